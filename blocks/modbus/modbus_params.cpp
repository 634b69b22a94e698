#include "blocks/modbus/modbus_params.h"

#include "core/canonical_text.h"
#include "core/host_text.h"
#include "core/param_text.h"
#include "core/ports.h"
#include "core/text_builder.h"

namespace ostrevan {

namespace {

constexpr char kParityLetters[] = "NOEMS";

uint8_t ParityFromLetter(char letter) {
  for (uint8_t code = 0; code < 5; ++code) {
    if (kParityLetters[code] == letter) return code;
  }
  return 0;
}

char ParityLetter(uint8_t code) { return code <= 4 ? kParityLetters[code] : 'N'; }

void ReadSerialLink(std::string_view span, ModbusParams& params) {
  TextPieces<5> items = SplitPieces<5>(span, ',');
  if (items.size() > 0) params.baud_rate = static_cast<uint32_t>(LeadingInt(items[0]));
  if (items.size() > 1) params.data_bits = static_cast<uint8_t>(LeadingInt(items[1]));
  if (items.size() > 2) params.stop_bits = static_cast<uint8_t>(LeadingInt(items[2]));
  if (items.size() > 3) params.parity = ParityFromLetter(items[3].empty() ? '\0' : items[3][0]);
}

void ReadNetworkLink(const KeyedText& text, ModbusParams& params) {
  if (auto span = FieldSpan(text, ",B:", ",C:")) {
    auto values = ScanInts<4>(*span);
    params.target_port = static_cast<uint32_t>(values[0]);
    params.remote_index = static_cast<uint32_t>(values[1]);
    params.tcp = values[2] != 0;
    params.server = values[3] != 0;
  }
  if (auto span = FieldSpan(text, ",C:", ",D:")) {
    auto parts = ScanInts<4>(*span, '.');
    for (size_t i = 0; i < 4; ++i) params.target_ip[i] = static_cast<uint8_t>(parts[i]);
  }
}

}  // namespace

ModbusParams ParseModbusText(std::string_view whole) {
  ModbusParams params;
  const KeyedText text(whole);
  if (auto span = FieldSpan(text, "A:", ",B:")) {
    auto values = ScanInts<3>(*span);
    params.port = static_cast<uint32_t>(values[0]);
    params.protocol = static_cast<uint8_t>(values[1]);
    params.timeout = static_cast<uint8_t>(values[2]);
  }
  // The link segments read as the port just read says.
  if (IsNetworkPort(static_cast<int32_t>(params.port))) {
    ReadNetworkLink(text, params);
  } else if (auto span = FieldSpan(text, ",B:", ",C:")) {
    ReadSerialLink(*span, params);
  }
  if (auto span = FieldSpan(text, ",D:", ",E:")) {
    auto values = ScanInts<4>(*span);
    params.slave_address = static_cast<uint32_t>(values[0]);
    params.function_code = static_cast<uint8_t>(values[1]);
    params.count = static_cast<uint32_t>(values[2]);
    params.slave_register = static_cast<uint32_t>(values[3]);
  }
  if (auto span = FieldSpan(text, ",E:", "")) {
    auto values = ScanInts<4>(*span);
    params.data_area = static_cast<uint8_t>(values[0]);
    params.data_index = static_cast<uint32_t>(values[1]);
    params.count_byte = static_cast<uint8_t>(values[2]);
    params.high_low = values[3] != 0;
  }
  return params;
}

bool QuickParseModbusText(std::string_view whole, ModbusParams& params) {
  CanonicalText text(whole);
  std::array<int32_t, 3> head;
  if (!text.Key("A:") || !text.Ints(head) || !text.Key(",B:")) return false;
  params.port = static_cast<uint32_t>(head[0]);
  params.protocol = static_cast<uint8_t>(head[1]);
  params.timeout = static_cast<uint8_t>(head[2]);
  if (IsNetworkPort(static_cast<int32_t>(params.port))) {
    std::array<int32_t, 4> peer, ip;
    if (!text.Ints(peer) || !text.Key(",C:") || !text.Ints(ip, '.')) return false;
    params.target_port = static_cast<uint32_t>(peer[0]);
    params.remote_index = static_cast<uint32_t>(peer[1]);
    params.tcp = peer[2] != 0;
    params.server = peer[3] != 0;
    for (size_t i = 0; i < 4; ++i) params.target_ip[i] = static_cast<uint8_t>(ip[i]);
  } else {
    std::array<int32_t, 3> serial;
    if (!text.Ints(serial) || !text.Char(',') || !text.OneOf({kParityLetters, 5}, params.parity) ||
        !text.Key(",C:"))
      return false;
    params.baud_rate = static_cast<uint32_t>(serial[0]);
    params.data_bits = static_cast<uint8_t>(serial[1]);
    params.stop_bits = static_cast<uint8_t>(serial[2]);
  }
  std::array<int32_t, 4> remote, local;
  if (!text.Key(",D:") || !text.Ints(remote) || !text.Key(",E:") || !text.Ints(local) ||
      !text.AtEnd())
    return false;
  params.slave_address = static_cast<uint32_t>(remote[0]);
  params.function_code = static_cast<uint8_t>(remote[1]);
  params.count = static_cast<uint32_t>(remote[2]);
  params.slave_register = static_cast<uint32_t>(remote[3]);
  params.data_area = static_cast<uint8_t>(local[0]);
  params.data_index = static_cast<uint32_t>(local[1]);
  params.count_byte = static_cast<uint8_t>(local[2]);
  params.high_low = local[3] != 0;
  return true;
}

namespace {

// ReadModbusTextForDecode for a text of the printer's shape up to the
// fields it reads, in one pass; false for any other text. Up to there the
// text holds no key but its own, so the keys the general search finds
// first are the ones met here.
bool QuickReadForDecode(std::string_view whole, ModbusParams& params) {
  CanonicalText text(whole);
  std::array<int32_t, 3> head;
  if (!text.Key("A:") || !text.Ints(head) || !text.Key(",B:")) return false;
  const bool network = IsNetworkPort(head[0]);
  std::array<int32_t, 4> peer;
  if (network && (!text.Ints(peer) || !text.Key(",C:"))) return false;
  params.port = static_cast<uint32_t>(head[0]);
  if (network) {
    params.target_port = static_cast<uint32_t>(peer[0]);
    params.remote_index = static_cast<uint32_t>(peer[1]);
  }
  if (auto span = FieldSpan(text.Rest(), ",E:", ""))
    params.count_byte = static_cast<uint8_t>(ScanPlainInts<3>(*span)[2]);
  return true;
}

}  // namespace

void ReadModbusTextForDecode(std::string_view text, ModbusParams& params) {
  if (QuickReadForDecode(text, params)) return;
  // As ParseModbusText reads these fields; a scan's first values do not
  // depend on the ones behind them.
  if (auto span = FieldSpan(text, "A:", ",B:"))
    params.port = static_cast<uint32_t>(ScanPlainInts<1>(*span)[0]);
  if (IsNetworkPort(static_cast<int32_t>(params.port))) {
    if (auto span = FieldSpan(text, ",B:", ",C:")) {
      ScannedInts<2> values = ScanPlainInts<2>(*span);
      params.target_port = static_cast<uint32_t>(values[0]);
      params.remote_index = static_cast<uint32_t>(values[1]);
    }
  }
  if (auto span = FieldSpan(text, ",E:", ""))
    params.count_byte = static_cast<uint8_t>(ScanPlainInts<3>(*span)[2]);
}

template <class Out>
void PrintModbusText(Out& text, const ModbusParams& p) {
  text.Text("A:").Ints(p.port, p.protocol, p.timeout);
  if (IsNetworkPort(static_cast<int32_t>(p.port))) {
    text.Text(",B:").Ints(p.target_port, p.remote_index, p.tcp, p.server).Text(",C:");
    PutIpv4(text, p.target_ip);
  } else {
    text.Text(",B:").Ints(p.baud_rate, p.data_bits, p.stop_bits).Char(',');
    text.Char(ParityLetter(p.parity)).Text(",C:");
  }
  text.Text(",D:").Ints(p.slave_address, p.function_code, p.count, p.slave_register);
  text.Text(",E:").Ints(p.data_area, p.data_index, p.count_byte, p.high_low);
}

template void PrintModbusText(TextBuilder&, const ModbusParams&);
template void PrintModbusText(HostText&, const ModbusParams&);

std::string ModbusText(const ModbusParams& params) {
  TextBuilder text;
  PrintModbusText(text, params);
  return text.str();
}

}  // namespace ostrevan
