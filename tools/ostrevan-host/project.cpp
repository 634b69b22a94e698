#include "tools/ostrevan-host/project.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

#include "core/app.h"
#include "core/text_compare.h"

namespace ostrevan::host {

namespace {

constexpr int kMaxType = 9999;  // ids are small; the catalogue says which exist

std::string Trim(const std::string& text) {
  size_t begin = text.find_first_not_of(" \t");
  if (begin == std::string::npos) return {};
  size_t end = text.find_last_not_of(" \t");
  return text.substr(begin, end - begin + 1);
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The place of the closing quote of a quoted value that opens at `open`, or
// npos; \" and \\ are escapes and never close it.
size_t ClosingQuote(const std::string& text, size_t open) {
  for (size_t i = open + 1; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == '"' || text[i + 1] == '\\')) {
      ++i;
    } else if (text[i] == '"') {
      return i;
    }
  }
  return std::string::npos;
}

// Where the line's comment starts, or npos: a ';' or '#' at the start of
// the line or after a blank, but not inside a quoted value.
size_t CommentStart(const std::string& line) {
  bool in_value = false;
  for (size_t i = 0; i < line.size(); ++i) {
    char c = line[i];
    if ((c == ';' || c == '#') && (i == 0 || IsBlank(line[i - 1]))) return i;
    if (!in_value && c == '=') {
      in_value = true;
      size_t first = line.find_first_not_of(" \t", i + 1);
      if (first != std::string::npos && line[first] == '"') {
        size_t close = ClosingQuote(line, first);
        if (close == std::string::npos) return std::string::npos;
        i = close;
      }
    }
  }
  return std::string::npos;
}

// The lines of a text whose lines end with LF, CR LF or a lone CR.
std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ++end;
    start = end + 1;
  }
  return lines;
}

bool StartsWith(const std::string& text, const char* prefix, size_t length) {
  return text.size() >= length && text.compare(0, length, prefix, length) == 0;
}

bool IsTextByte(char c) {
  auto byte = static_cast<unsigned char>(c);
  return (byte >= 0x20 && byte < 0x7F) || c == '\t' || c == '\n' || c == '\r';
}

// UTF-16 text without a byte-order mark: its first characters are ASCII
// with a NUL byte beside each, after it (little-endian) or before it.
bool LooksLikeUtf16(const std::string& text) {
  const size_t pairs = std::min<size_t>(text.size() / 2, 32);
  if (pairs == 0) return false;
  for (size_t nul_at : {size_t{1}, size_t{0}}) {
    bool all = true;
    for (size_t i = 0; i < pairs && all; ++i) {
      all = text[2 * i + nul_at] == '\0' && IsTextByte(text[2 * i + 1 - nul_at]);
    }
    if (all) return true;
  }
  return false;
}

bool ParseInt(const std::string& text, long min, long max, long& value) {
  if (text.empty()) return false;
  size_t pos = 0;
  bool negative = text[0] == '-';
  if (negative) pos = 1;
  if (pos >= text.size()) return false;
  long result = 0;
  for (; pos < text.size(); ++pos) {
    if (text[pos] < '0' || text[pos] > '9') return false;
    result = result * 10 + (text[pos] - '0');
    if (result > 1000000000L) return false;
  }
  value = negative ? -result : result;
  return value >= min && value <= max;
}

class Parser {
 public:
  Parser(const std::string& file) : file_(file) {}

  Project Run(std::string text) {
    CheckEncoding(text);
    for (const std::string& line : SplitLines(text)) {
      ++line_;
      Line(line);
    }
    line_ = std::max(line_, 1);  // whole-file problems point at the last line
    if (!saw_cpu_)
      Fail("the project has no [cpu] section");
    if (project_.limits_file.empty() && !project_.total)
      Fail("the project has no limits: give [limits] with file = PATH or total = N");
    for (const ProjectBlock& block : project_.blocks) {
      if (block.type == 0) {
        line_ = block.line;
        Fail("this [block] has no type");
      }
    }
    return project_;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const { throw ProjectError(file_, line_, what); }

  // Takes off a UTF-8 byte-order mark; refuses what is not 8-bit text,
  // since a NUL would silently end a parameter text in the plug-in.
  void CheckEncoding(std::string& text) {
    line_ = 1;
    if (StartsWith(text, "\xEF\xBB\xBF", 3)) text.erase(0, 3);
    if (StartsWith(text, "\xFF\xFE", 2) || StartsWith(text, "\xFE\xFF", 2) || LooksLikeUtf16(text))
      Fail("the file is UTF-16 text; save it as UTF-8 or ASCII");
    size_t nul = text.find('\0');
    if (nul != std::string::npos) {
      size_t line_start = 0;
      for (size_t i = 0; i < nul; ++i) {
        bool line_end = text[i] == '\n' || (text[i] == '\r' && text[i + 1] != '\n');
        if (line_end) {
          ++line_;
          line_start = i + 1;
        }
      }
      Fail("a NUL byte at column " + std::to_string(nul - line_start + 1) +
           "; a project file is text (is this a binary file?)");
    }
    line_ = 0;
  }

  void Line(const std::string& raw) {
    std::string line = Trim(raw.substr(0, CommentStart(raw)));
    if (line.empty()) return;
    if (line[0] == '[') {
      if (line.back() != ']') Fail("a section name must end with ']'");
      Section(Trim(line.substr(1, line.size() - 2)));
      return;
    }
    size_t equals = line.find('=');
    if (equals == std::string::npos) Fail("expected KEY = VALUE, found " + Quoted(line));
    std::string key = Trim(line.substr(0, equals));
    if (key.empty()) Fail("a key is missing before '='");
    Value(key, Unquote(Trim(line.substr(equals + 1))));
  }

  std::string Unquote(const std::string& value) const {
    if (value.empty() || value[0] != '"') return value;
    size_t close = ClosingQuote(value, 0);
    if (close == std::string::npos) Fail("a quoted value must end with '\"'");
    if (close + 1 != value.size())
      Fail("only a comment may follow a quoted value, found " + Quoted(value.substr(close + 1)));
    std::string out;
    for (size_t i = 1; i < close; ++i) {
      if (value[i] == '\\' && (value[i + 1] == '"' || value[i + 1] == '\\')) ++i;
      out.push_back(value[i]);
    }
    return out;
  }

  void Section(const std::string& name) {
    if (EqualsNoCase(name, "cpu")) {
      section_ = kCpu;
      saw_cpu_ = true;
    } else if (EqualsNoCase(name, "limits")) {
      section_ = kLimits;
    } else if (EqualsNoCase(name, "block")) {
      section_ = kBlock;
      ProjectBlock block;
      block.line = line_;
      project_.blocks.push_back(block);
    } else {
      Fail("unknown section [" + Printable(name) + "]; expected [cpu], [limits] or [block]");
    }
  }

  void Value(const std::string& key, const std::string& value) {
    switch (section_) {
      case kNone: Fail(Quoted(key) + " stands before any section");
      case kCpu: return CpuValue(key, value);
      case kLimits: return LimitsValue(key, value);
      case kBlock: return BlockValue(key, value);
    }
  }

  void CpuValue(const std::string& key, const std::string& value) {
    if (EqualsNoCase(key, "model")) {
      if (value.size() > 99) Fail("a CPU model name has at most 99 characters");
      project_.cpu_model = value;
    } else if (EqualsNoCase(key, "area")) {
      size_t space = value.find_first_of(" \t");
      std::string letters = Trim(value.substr(0, space));
      long size = 0;
      if (space == std::string::npos || letters.empty() ||
          !ParseInt(Trim(value.substr(space)), 0, 0x7FFFFFFF, size))
        Fail("expected area = LETTERS SIZE, for example area = V 2048");
      if (letters.size() > 23) Fail("an area name has at most 23 characters");
      if (project_.areas.size() >= OSTREVAN_AREA_COUNT) Fail("a CPU has at most 32 areas");
      AreaSize area{};
      std::memcpy(area.name, letters.data(), letters.size());
      area.size = static_cast<int32_t>(size);
      project_.areas.push_back(area);
    } else {
      Fail("unknown key " + Quoted(key) + " in [cpu]; expected model or area");
    }
  }

  void LimitsValue(const std::string& key, const std::string& value) {
    long number = 0;
    if (EqualsNoCase(key, "file")) {
      if (value.empty()) Fail("file = needs a path");
      project_.limits_file = value;
    } else if (EqualsNoCase(key, "total")) {
      if (!ParseInt(value, 0, 1000000, number)) Fail("total must be a number from 0 to 1000000");
      project_.total = static_cast<int>(number);
    } else {
      int type = BlockTypeFromName(key);
      if (type == 0) Fail(Quoted(key) + " is not a block type name");
      if (!ParseInt(value, 0, 1000000, number)) Fail("a limit must be a number from 0 to 1000000");
      project_.limits.emplace_back(BlockTypeDisplayName(type), static_cast<int>(number));
    }
  }

  void BlockValue(const std::string& key, const std::string& value) {
    ProjectBlock& block = project_.blocks.back();
    if (EqualsNoCase(key, "type")) {
      block.type = BlockTypeFromName(value);
      if (block.type == 0) Fail(Quoted(value) + " is not a block type name or id 1 to 12");
      block.type_name = BlockTypeDisplayName(block.type);
    } else if (EqualsNoCase(key, "text")) {
      if (value.size() > 1023) Fail("a parameter text has at most 1023 characters");
      block.text = value;
    } else {
      Fail("unknown key " + Quoted(key) + " in [block]; expected type or text");
    }
  }

  enum SectionKind { kNone, kCpu, kLimits, kBlock };

  std::string file_;
  int line_ = 0;
  SectionKind section_ = kNone;
  bool saw_cpu_ = false;
  Project project_;
};

}  // namespace

std::string Printable(std::string_view text) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F) {
      out.push_back(c);
    } else {
      out += "\\x";
      out.push_back(kDigits[byte >> 4]);
      out.push_back(kDigits[byte & 15]);
    }
  }
  return out;
}

std::string Quoted(std::string_view text) { return "\"" + Printable(text) + "\""; }

int BlockTypeFromName(const std::string& name) {
  long id = 0;
  if (ParseInt(name, 1, kMaxType, id) && FindBlock(static_cast<int>(id)))
    return static_cast<int>(id);
  for (const BlockEntry& block : BlockCatalogue()) {
    if (EqualsNoCase(name, block.name)) return block.type;
  }
  return 0;
}

const char* BlockTypeDisplayName(int type) {
  const char* name = BlockTypeName(type);
  return name ? name : "?";
}

Project ParseProject(const std::string& text, const std::string& file_name) {
  return Parser(file_name).Run(text);
}

std::string LimitsIni(const Project& project) {
  std::string ini = "[DEFAULT]\nTotal=" + std::to_string(project.total.value_or(0)) +
                    "\nTypeCount=" + std::to_string(project.limits.size()) + "\n";
  for (size_t i = 0; i < project.limits.size(); ++i) {
    ini += "[Type_" + std::to_string(i + 1) + "]\nName=" + project.limits[i].first +
           "\nMax=" + std::to_string(project.limits[i].second) + "\n";
  }
  return ini;
}

}  // namespace ostrevan::host
