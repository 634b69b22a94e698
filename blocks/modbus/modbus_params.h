// The Modbus block's parameters and their text form.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ostrevan {

struct ModbusParams {
  uint8_t protocol = 1;          // 1 RTU, 2 TCP, 0 ASCII
  uint32_t slave_address = 1;
  uint8_t function_code = 1;     // 1, 2, 3, 4, 15 or 16
  uint32_t count = 1;
  uint32_t slave_register = 0;   // start register in the remote station
  uint32_t baud_rate = 9600;
  uint8_t data_bits = 8;
  uint8_t stop_bits = 1;         // 1 one, 2 two, 0 one and a half
  uint8_t parity = 0;            // 0 None, 1 Odd, 2 Even, 3 Mark, 4 Space
  uint8_t timeout = 5;           // seconds
  uint32_t port = 0;             // port code of the port list
  uint8_t data_area = 176;       // local operand: area code ("I")
  uint32_t data_index = 0;       // and index
  bool high_low = true;          // register order: "High Low" or "Low High"
  uint8_t count_byte = 1;        // low byte of count, kept in the text only
  std::array<uint8_t, 4> target_ip{192, 168, 0, 21};
  uint32_t target_port = 0;
  uint32_t remote_index = 0;     // pre-configured remote station 0..7
  bool tcp = true;               // false: UDP
  bool server = false;           // the local CPU's role; false: client
};

// Function codes that move bits (coils, discrete inputs); the others move
// registers.
constexpr bool IsBitFunction(int code) { return code == 1 || code == 2 || code == 15; }

ModbusParams ParseModbusText(std::string_view text);
std::string ModbusText(const ModbusParams& params);

// The values of a text of ModbusText's own shape, over the defaults in
// `params`; false for any other text.
bool QuickParseModbusText(std::string_view text, ModbusParams& params);
// Only what a record lacks, from a text of any shape: the count's low byte
// and the link's target port and remote index (with the port that says
// whether the text has them), as ParseModbusText reads them.
void ReadModbusTextForDecode(std::string_view text, ModbusParams& params);
// ModbusText into a TextBuilder or a HostText.
template <class Out>
void PrintModbusText(Out& text, const ModbusParams& params);

}  // namespace ostrevan
