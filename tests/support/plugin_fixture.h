// Helpers for tests that drive the plug-in through its exports: limits,
// buffers of exactly the announced sizes, a fixed clock.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/platform/platform.h"
#include "support/host_side.h"

namespace ostrevan::testing {

// Hex text ("00 0A ff") to bytes and back (the host tool's own).
std::vector<uint8_t> Bytes(const std::string& hex);
std::string Hex(const std::vector<uint8_t>& bytes);

// Fixes the plug-in's clock for the lifetime of the object.
class FixedClock {
 public:
  explicit FixedClock(platform::LocalTime time);
  ~FixedClock();
};

// Writes a limits file and hands it to Function_Config, then starts a code
// generation; by default every type may take the whole total.
void Configure(int total = 100, const Limits& limits = {});

// One Function_Code with a text and record buffer of the announced sizes;
// fails the test when anything is written past them.
Coded CodeBlock(int type, const std::string& text);

// Configure() and one CodeBlock: the record of a lone block at index 0.
std::vector<uint8_t> CodeAlone(int type, const std::string& text);

// Function_Decode over `text` in a buffer of the announced size.
std::string DecodeBlock(int type, const std::string& text, const std::vector<uint8_t>& record,
                        int* result = nullptr);

std::string DefaultText(int type);

// Table rows of the block tests, and the loops that check them.
struct CodeCase {
  std::string text;
  std::string record;  // hex of the whole record
};
struct SliceCase {
  std::string text;
  size_t length;  // of the whole record
  size_t offset;
  std::string hex;  // the bytes from `offset`
};
struct DecodeCase {
  std::string text;    // in the buffer before Function_Decode
  std::string record;  // hex
  std::string decoded;
};
struct TripCase {
  std::string text;
  std::string decoded;  // from the text's own record, decoded over the text
};
void ExpectRecords(int type, const std::vector<CodeCase>& cases);
void ExpectSlices(int type, const std::vector<SliceCase>& cases);
// Every Decode answers 1.
void ExpectDecoded(int type, const std::vector<DecodeCase>& cases);
void ExpectTrips(int type, const std::vector<TripCase>& cases);

}  // namespace ostrevan::testing
