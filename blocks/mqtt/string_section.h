// The run of strings at the end of every MQTT record: one slot length byte
// per string (four bytes in all), then the strings, each followed by a NUL.
//
// The strings share a budget of 250 bytes, terminators included. A string
// that does not fit what is left is cut to (left - 1) characters; once the
// budget is spent, a string is written as a lone NUL with slot length 0.
// A reader takes k - 1 characters and one terminator for slot length k, and
// a lone terminator for slot length 0, so it stays in step whatever it reads.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "core/record.h"

namespace ostrevan {

constexpr size_t kStringSlots = 4;
constexpr int kStringBudget = 250;

struct SectionString {
  std::string_view text;
  const char* name;  // what the record's explanation calls it
};

// Writes the four slot length bytes and then up to four strings; the slot
// length bytes of missing strings are 0.
void PutStringSection(RecordWriter& out, const SectionString* strings, size_t count);
inline void PutStringSection(RecordWriter& out, std::initializer_list<SectionString> strings) {
  PutStringSection(out, strings.begin(), strings.size());
}

// Reads the slot length bytes and `count` strings (only the bytes 1 to 127
// of each), with the names the writer gives them.
std::array<std::string, kStringSlots> ReadStringSection(RecordReader& in,
                                                        std::initializer_list<const char*> names);

// The four strings Subscribe and Publish both end their records with.
template <class Params>
void PutClientStrings(RecordWriter& out, const Params& params) {
  PutStringSection(out, {{params.client_id, "client ID"},
                         {params.user_name, "user name"},
                         {params.password, "password"},
                         {params.topic, "topic"}});
}

template <class Params>
void ReadClientStrings(RecordReader& in, Params& params) {
  std::array<std::string, kStringSlots> strings =
      ReadStringSection(in, {"client ID", "user name", "password", "topic"});
  params.client_id = std::move(strings[0]);
  params.user_name = std::move(strings[1]);
  params.password = std::move(strings[2]);
  params.topic = std::move(strings[3]);
}

}  // namespace ostrevan
