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
// The other types are left out because some field of their records does
// not come back through the text for every text a user may type:
//  1 Modbus: the record keeps only the low byte of the port, and the whole
//    port decides whether bytes 13..18 are serial settings or a network
//    peer: port 266 codes as serial, its byte 10 reads back as Ethernet.
//  2 Memory Read: the format goes whole into byte 26 but reads back from
//    the high nibble of byte 43 (format 17 comes back as 1); the file name
//    and title lose their 255 bytes.
//  3 Memory Write: the whole write mode is ORed into byte 21, but only its
//    bit 0 reads back (mode 2 comes back as 0); names lose their 255 bytes.
//  4 GPRS Connect, 12 GPRS Data Send: the domain name keeps only the bytes
//    1..127.
//  5 Subscribe, 6 Publish, 7 Connect to MQTT Server: strings keep only the
//    bytes 1..127, and a string holding a later key is found as that key;
//    Publish codes the format, comment and description of a free item slot
//    although its text has no group for it, and codes negative indexes and
//    bit numbers above 32 as "none"; Connect carries the certificate
//    contents while its text only names files.
//  8 SMS Input, 9 SMS Output: receivers (and a TEXT message) lose their 255
//    bytes; a receiver holding a later key such as ",D:" is found as it.
// 10 EMAIL: attachment names come back packed into the first slots, so
//    names in slots 2 and 5 code other length bytes the second time.
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
