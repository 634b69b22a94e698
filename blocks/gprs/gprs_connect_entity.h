// The GPRS Connect block: the PLC opens a connection over its cellular
// modem and closes it after some minutes without traffic.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "blocks/gprs/gprs_server.h"
#include "core/codec_entity.h"

namespace ostrevan {

struct GprsConnectParams {
  uint8_t timeout = 5;  // minutes
  GprsServer server;
  uint32_t close_mode = 0;  // 0 "DisConnect", 1 "Close mobile scene"; kept as read
};

GprsConnectParams ParseGprsConnectText(std::string_view text);
std::string GprsConnectText(const GprsConnectParams& params);

struct GprsConnectCodec {
  using Params = GprsConnectParams;
  static Params Defaults() { return {}; }
  static constexpr size_t kLongestRecord = 73;  // with a domain name
  static constexpr size_t kShortRecord = 29;    // with an IP address
  static bool IsLongRecord(const uint8_t* record) { return (record[9] & kDomainNameBit) != 0; }
  static Params Parse(std::string_view text) { return ParseGprsConnectText(text); }
  static bool QuickParse(std::string_view text, Params& params);
  // The record carries everything the text holds.
  static bool QuickParseForDecode(std::string_view, Params&) { return true; }
  template <class Out>
  static void Print(Out& text, const Params& params);
  static std::string Text(const Params& params) { return GprsConnectText(params); }
  static bool Edit(Params& params);
  template <class Out>
  static void Write(Out& out, const Params& params, const BlockPlace& place);
  template <class In>
  static void Read(In& in, Params& params);
};

class CGprsConnectEntity : public CCodecEntity<GprsConnectCodec, 4, 200, 150> {};

}  // namespace ostrevan
