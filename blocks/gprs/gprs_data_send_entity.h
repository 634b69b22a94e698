// The GPRS Data Send block: the PLC sends PLC data over its cellular
// connection as a Modbus write of coils (15) or registers (16).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "blocks/gprs/gprs_server.h"
#include "core/codec_entity.h"

namespace ostrevan {

struct GprsDataSendParams {
  uint8_t spare = 1;             // carried in the text only
  uint8_t command = 15;          // Modbus function code, 15 or 16
  uint32_t count = 1;            // coils or registers
  uint32_t register_address = 0; // remote start register
  uint8_t timeout = 10;          // seconds
  uint8_t data_area = 176;       // local data operand
  uint16_t data_index = 0;
  uint8_t count_byte = 1;        // low byte of count, carried in the text
  uint32_t slave_address = 1;
  bool high_low = true;          // 1 "High Low", 0 "Low High"
  GprsServer server;
};

GprsDataSendParams ParseGprsDataSendText(std::string_view text);
std::string GprsDataSendText(const GprsDataSendParams& params);

struct GprsDataSendCodec {
  using Params = GprsDataSendParams;
  static Params Defaults() { return {}; }
  static constexpr size_t kLongestRecord = 85;  // with a domain name
  static constexpr size_t kShortRecord = 41;    // with an IP address
  static bool IsLongRecord(const uint8_t* record) { return (record[12] & kDomainNameBit) != 0; }
  static Params Parse(std::string_view text) { return ParseGprsDataSendText(text); }
  static bool QuickParse(std::string_view text, Params& params);
  // The record lacks the spare value and the count's low byte: only these
  // are read from the text, as the general way reads them.
  static bool QuickParseForDecode(std::string_view text, Params& params);
  template <class Out>
  static void Print(Out& text, const Params& params);
  static std::string Text(const Params& params) { return GprsDataSendText(params); }
  static bool Edit(Params& params);
  template <class Out>
  static void Write(Out& out, const Params& params, const BlockPlace& place);
  template <class In>
  static void Read(In& in, Params& params);
};

class CGprsDataSendEntity : public CCodecEntity<GprsDataSendCodec, 12, 200, 150> {};

}  // namespace ostrevan
