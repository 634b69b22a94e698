// Operand texts and the parameter-text grammar helpers on fuzzed text.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/operand.h"
#include "core/param_text.h"
#include "fuzz/fuzz_support.h"

using namespace ostrevan;
using namespace ostrevan::fuzz;

namespace {

bool Inside(std::string_view part, std::string_view whole) {
  return part.data() >= whole.data() && part.data() + part.size() <= whole.data() + whole.size();
}

void Operands(std::string_view text) {
  Operand operand = ParseOperand(text);
  if (operand.area == 0) return;
  Check(!AreaName(operand.area).empty(), "an operand of an area without a name");
  if (operand.index < 0) return;
  // The text the plug-in writes for an operand reads back as that operand.
  Operand again = ParseOperand(FormatOperand(operand.area, operand.index));
  Check(again.area == operand.area && again.index == operand.index,
        "an operand's own text reads back as another operand");
}

void Fields(std::string_view text) {
  for (std::string_view key : {"A:", "B:", "I:", ",G1:", "0123456789AB"}) {
    size_t behind = FindField(text, key);
    if (behind == kNotFound) continue;
    std::string_view searched = key.substr(0, 9);
    Check(behind >= searched.size() && behind <= text.size(), "a field found outside its text");
    Check(text.substr(behind - searched.size(), searched.size()) == searched,
          "a field found behind something other than its key");
  }
  // The quick key search finds what the library's search finds.
  const KeyedText keyed(text);
  for (std::string_view key : {",", ",G", ",G1:", "G1:", "A:", "\xAC", ""}) {
    for (size_t from : {size_t{0}, size_t{1}, text.size() / 2, text.size() + 1}) {
      Check(FindKey(text, key, from) == text.find(key, from), "FindKey differs from find");
      Check(keyed.Find(key, from) == text.find(key, from), "KeyedText differs from find");
    }
  }
  size_t first[13];
  keyed.FindNumberedKeys('G', first, std::size(first));
  for (size_t n = 1; n <= std::size(first); ++n) {
    const std::string key = ",G" + std::to_string(n) + ":";
    Check(first[n - 1] == text.find(key), "a numbered key found elsewhere than find finds it");
  }
  if (auto span = FieldSpan(text, "A:", "B:")) {
    Check(!span->empty() && Inside(*span, text), "a field span that is empty or outside");
  }
  if (auto span = FieldSpan(text, ",G1:", "")) {
    Check(!span->empty() && Inside(*span, text), "a trailing span that is empty or outside");
  }
}

void Pieces(std::string_view text) {
  for (size_t max_pieces : {size_t{0}, size_t{3}, size_t{20}}) {
    std::vector<std::string> pieces = SplitText(text, ',', max_pieces);
    Check(pieces.size() <= max_pieces, "more pieces than slots");
    for (const std::string& piece : pieces) Check(piece.size() <= 99, "a piece over 99 characters");
  }
  // The views are the same pieces as the copies.
  std::vector<std::string> copies = SplitText(text, ',', 5);
  TextPieces<5> views = SplitPieces<5>(text, ',');
  Check(views.size() == copies.size(), "SplitPieces counts other pieces than SplitText");
  for (size_t i = 0; i < views.size() && i < copies.size(); ++i)
    Check(views[i] == copies[i] && Inside(views[i], text), "SplitPieces differs from SplitText");
  ScannedInts<7> ints = ScanInts<7>(text);
  Check(ints.count <= 7, "more integers scanned than asked for");
  for (size_t i = ints.count; i < 7; ++i) Check(ints[i] == 0, "an integer not read is not 0");
  (void)LeadingInt(text);
}

void Texts(std::string_view text) {
  std::string unquoted = RemoveQuotes(text);
  Check(unquoted.find('"') == std::string::npos, "a quote survived RemoveQuotes");
  Check(unquoted.size() + std::count(text.begin(), text.end(), '"') == text.size(),
        "RemoveQuotes removed something other than quotes");

  std::string terminated(text);
  std::string_view read = ReadParamText(terminated.c_str());
  Check(read.size() <= kMaxParamText, "a parameter text read over its limit");
  Check(std::string_view(terminated).substr(0, read.size()) == read,
        "a parameter text read is not the start of the text");

  for (uint32_t capacity : {1u, 5u, 100u}) {
    ExactBuffer buffer(capacity);
    WriteParamText(buffer.text(), text, capacity);
    CheckedText(buffer, "WriteParamText left no NUL inside its capacity");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  Operands(text);
  Fields(text);
  Pieces(text);
  Texts(text);
  return 0;
}
