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
  static Params Defaults() { return {}; }
  static Params Parse(std::string_view text) { return ParseWifiText(text); }
  static std::string Text(const Params& params) { return WifiText(params); }
  static bool Edit(Params& params);
  static void Write(RecordWriter& out, const Params& params, const BlockPlace& place);
  static void Read(RecordReader& in, Params& params);
};

class CWifiModeEntity : public CCodecEntity<WifiCodec, 11, 5, 20> {};

}  // namespace ostrevan
