// What the fuzz targets may assume of each block type beyond the rules that
// hold for all of them. Block developers extend these tables when their
// block lands (see fuzz/README.md).
#pragma once

#include <cstddef>

namespace ostrevan::fuzz {

// Types whose records survive a trip through their text: coding a text,
// decoding the record and coding the decoded text again gives the same
// bytes. A block belongs here only when its text carries every field its
// record carries. The check is skipped when the decoded text fills its whole
// buffer, because then it may have been cut to the announced length.
//
// The others keep some field only in part (tests/core/typical_texts_test.cpp
// shows Modbus's port, Memory Read's format and Memory Write's mode), keep
// strings to the bytes 1..127 or cut at 255 (GPRS, MQTT, SMS), find a later
// key inside a string (MQTT, SMS), code what their text has no group for
// (Publish: free item slots; Connect: certificate contents, named by file
// in the text) or pack attachment names into the first slots (EMAIL).
constexpr int kRoundTripTypes[] = {
    11,  // WIFI
};

// Types whose Decode writes files: only inside the time-stamped directory
// below the plug-in's directory.
constexpr int kFileWritingTypes[] = {
    7,  // Connect to MQTT Server: certificate files
};

// The highest id the targets try; ids above 12 must be refused.
constexpr int kHighestTypeTried = 15;

template <size_t N>
constexpr bool Contains(const int (&types)[N], int type) {
  for (int listed : types) {
    if (listed == type) return true;
  }
  return false;
}

constexpr bool RoundTrips(int type) { return Contains(kRoundTripTypes, type); }
constexpr bool WritesFiles(int type) { return Contains(kFileWritingTypes, type); }

}  // namespace ostrevan::fuzz
