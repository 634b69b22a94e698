// The quick way of a block's Code and Decode against its general way, byte
// for byte: the same result, the same record bytes and length, the same
// text buffer, for any text (of any length) and any record. The first byte
// picks the block, the second the instance, the next two the text's length;
// the text follows and the rest is the record that Decode is given.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "blocks/gprs/gprs_connect_entity.h"
#include "blocks/gprs/gprs_data_send_entity.h"
#include "blocks/memory/memory_read_entity.h"
#include "blocks/memory/memory_write_entity.h"
#include "blocks/messaging/mail_entity.h"
#include "blocks/messaging/sms_input_entity.h"
#include "blocks/messaging/sms_output_entity.h"
#include "blocks/modbus/modbus_entity.h"
#include "blocks/mqtt/mqtt_connect_entity.h"
#include "blocks/mqtt/mqtt_read_entity.h"
#include "blocks/mqtt/mqtt_write_entity.h"
#include "blocks/wifi/wifi_entity.h"
#include "fuzz/fuzz_support.h"

using namespace ostrevan;
using ostrevan::fuzz::Check;

namespace {

struct Instance {
  int index, total, ordinal;
};

struct Coded {
  int result;
  uint32_t length;
  std::vector<uint8_t> record;  // the whole buffer, not only its record
};

template <class Entity>
Coded CodeWith(const std::string& text, const Instance& at) {
  Entity entity;
  entity.SetInstance(at.index, at.total, at.ordinal);
  Coded coded{0, 0xA5A5A5A5u, std::vector<uint8_t>(Entity::kCodeLength, 0xA5)};
  coded.result = entity.Code(text.c_str(), coded.record.data(), &coded.length);
  return coded;
}

// The text buffer after Decode: at least the announced size, more when the
// text the host had in it was longer.
template <class Entity>
std::vector<char> DecodeWith(const std::string& text, const std::vector<uint8_t>& record,
                             int* result) {
  std::vector<char> buffer(std::max<size_t>(Entity::kParamLength, text.size() + 1), '\x5A');
  std::memcpy(buffer.data(), text.data(), std::min(text.size(), buffer.size() - 1));
  buffer[std::min(text.size(), buffer.size() - 1)] = '\0';
  // An exact copy, so that a read past the record's end is caught.
  std::vector<uint8_t> exact(record);
  Entity entity;
  *result = entity.Decode(buffer.data(), exact.empty() ? nullptr : exact.data(),
                          static_cast<uint32_t>(exact.size()));
  return buffer;
}

template <class Entity>
void CompareWays(const std::string& text, const std::vector<uint8_t>& record,
                 const Instance& at) {
  using General = GeneralWayEntity<Entity>;
  const Coded quick = CodeWith<Entity>(text, at);
  const Coded general = CodeWith<General>(text, at);
  Check(quick.result == general.result, "Code: the quick way answered otherwise");
  Check(quick.length == general.length, "Code: the quick way reported another length");
  Check(quick.record == general.record, "Code: the quick way wrote other bytes");

  // The record given, then the record the text codes to.
  for (const std::vector<uint8_t>* bytes : {&record, &general.record}) {
    std::vector<uint8_t> given = *bytes;
    if (bytes == &general.record) given.resize(general.result == 1 ? general.length : 0);
    int quick_result = 0, general_result = 0;
    const std::vector<char> quick_text = DecodeWith<Entity>(text, given, &quick_result);
    const std::vector<char> general_text = DecodeWith<General>(text, given, &general_result);
    Check(quick_result == general_result, "Decode: the quick way answered otherwise");
    Check(quick_text == general_text, "Decode: the quick way left another text");
  }
}

using Comparison = void (*)(const std::string&, const std::vector<uint8_t>&, const Instance&);

// The blocks that take the quick way.
constexpr Comparison kBlocks[] = {
    CompareWays<CWifiModeEntity>,        CompareWays<CModbusEntity>,
    CompareWays<CGprsConnectEntity>,     CompareWays<CGprsDataSendEntity>,
    CompareWays<CMemoryReadEntity>,      CompareWays<CMemoryWriteEntity>,
    CompareWays<CSmsMessageInputEntity>, CompareWays<CMqttWriteEntity>,
    CompareWays<CMqttReadEntity>,        CompareWays<CMqttConnectEntity>,
    CompareWays<CSmsMessageOutputEntity>, CompareWays<CMailEntity>,
};

// OSTREVAN_QUICK_WAY_BLOCK=<n> keeps a run on the n-th block of kBlocks.
size_t ChosenBlock(uint8_t byte) {
  static const char* const chosen = std::getenv("OSTREVAN_QUICK_WAY_BLOCK");
  return (chosen ? static_cast<size_t>(std::atoi(chosen)) : byte) % std::size(kBlocks);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4) return 0;
  fuzz::SetUpPlugin();  // Connect writes the certificates a record carries
  const Comparison compare = kBlocks[ChosenBlock(data[0])];
  // Indexes from -1664 to 1651 against a total of 1500: negative, beyond
  // the status reference's 10 bits, and refused.
  const int index = static_cast<int8_t>(data[1]) * 13;
  const Instance at{index, 1500, data[1] & 7};
  const size_t text_length = std::min<size_t>(size - 4, data[2] | data[3] << 8);
  const std::string text(reinterpret_cast<const char*>(data + 4), text_length);
  const std::vector<uint8_t> record(data + 4 + text_length, data + size);
  compare(text, record, at);
  return 0;
}
