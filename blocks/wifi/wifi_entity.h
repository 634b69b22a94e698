// The WIFI block: switches the PLC's WiFi between access point and station.
#pragma once

#include <cstdint>
#include <string>

#include "core/codec_entity.h"

namespace ostrevan {

struct WifiParams {
  uint8_t mode = 0;  // 0 access point ("AP"), 1 station ("STA")
};

WifiParams ParseWifiText(std::string_view text);
std::string WifiText(const WifiParams& params);

struct WifiCodec {
  using Params = WifiParams;
  static constexpr size_t kLongestRecord = 20;
  static Params Defaults() { return {}; }
  static Params Parse(std::string_view text) { return ParseWifiText(text); }
  static bool QuickParse(std::string_view text, Params& params);
  // The record carries the whole text.
  static bool QuickParseForDecode(std::string_view, Params&) { return true; }
  template <class Out>
  static void Print(Out& text, const Params& params) {
    text.Text("A:").Int(params.mode);
  }
  static std::string Text(const Params& params) { return WifiText(params); }
  static bool Edit(Params& params);
  template <class Out>
  static void Write(Out& out, const Params& params, const BlockPlace& place);
  template <class In>
  static void Read(In& in, Params& params);
};

class CWifiModeEntity : public CCodecEntity<WifiCodec, 11, 5, 20> {};

}  // namespace ostrevan
