// What every fuzz target shares: a failed invariant aborts (so libFuzzer and
// the replay runner both report it), the tests' guarded host buffers, a
// plug-in configured once for the whole run, and the block exports as the
// host calls them, with the checks that hold for every block type: results
// in range, nothing written past the announced sizes, texts NUL-terminated
// inside their buffers, reported lengths within the announced record size,
// files written only where they belong.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "support/host_side.h"

namespace ostrevan::fuzz {

// Prints `what` and aborts when `holds` is false.
void Check(bool holds, const char* what);

// Host buffers are the tests' ExactBuffer: an access past one faults.
using testing::Announced;
using testing::AnnouncedSizes;
using testing::Coded;
using testing::ExactBuffer;
// The text in `buffer`; aborts with `what` when no NUL stands inside it.
std::string CheckedText(const ExactBuffer& buffer, const char* what);

// Called once per process: fixes the clock, has the plug-in write its files
// into the scratch directory, points it at a limits file that allows plenty
// of blocks of every type.
void SetUpPlugin();

// A scratch directory for the run, removed at exit (with a separator at
// its end).
const std::string& ScratchDirectory();

// Round trip: coding a text, decoding the record and coding the decoded text
// again gives the same bytes (unless the decoded text fills its buffer and
// may have been cut). Only WIFI's text carries every field of its record;
// the others keep some field in part (tests/core/typical_texts_test.cpp),
// keep strings to the bytes 1..127 or cut them at 255, find a later key
// inside a string, or code what their text has no group for.
constexpr bool RoundTrips(int type) { return type == 11; }  // WIFI
// Decode writes certificate files, only into the time-stamped directory
// below the plug-in's directory.
constexpr bool WritesFiles(int type) { return type == 7; }  // Connect to MQTT Server
// The highest id the targets try; ids above 12 must be refused.
constexpr int kHighestTypeTried = 15;

// Function_CodeStart, then one Function_Code of `text` (cut to the announced
// text size) into a record buffer of the announced size.
Coded CodeChecked(int type, const Announced& sizes, std::string_view text);

// Function_Decode of exactly `record` into a text buffer of the announced
// size that holds `text` beforehand; returns the text it leaves there.
std::string DecodeChecked(int type, const Announced& sizes, std::string_view text,
                          const std::vector<uint8_t>& record);

// A type the plug-in does not build answers 0 everywhere and writes nothing.
void CheckRefused(int type);

}  // namespace ostrevan::fuzz
