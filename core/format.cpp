// Format writes the conversions the plug-in itself uses without the C
// library's stream machinery, which cost more than all the rest of a Decode:
// %d %i %u %x %X %c %s %%, the flags '-' and '0', a field width, and the
// length modifiers l and z. Any other format goes to vsnprintf whole.
#include <charconv>
#include <cstdarg>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "core/param_text.h"

namespace ostrevan {

namespace {

struct Conversion {
  bool left = false;  // '-'
  bool zero = false;  // '0'
  size_t width = 0;
  char length = 0;  // 0, 'l' or 'z'
  char type = 0;
};

// Reads the conversion behind a '%'; false when it is not one Format writes.
bool ReadConversion(const char*& p, Conversion& c) {
  for (;; ++p) {
    if (*p == '-')
      c.left = true;
    else if (*p == '0')
      c.zero = true;
    else
      break;
  }
  for (; *p >= '0' && *p <= '9'; ++p) c.width = c.width * 10 + static_cast<size_t>(*p - '0');
  if (c.width > 1000) return false;
  if (*p == 'l' || *p == 'z') c.length = *p++;
  c.type = *p;
  switch (c.type) {
    case 'd':
    case 'i':
    case 'u':
    case 'x':
    case 'X':
      return true;
    case 'c':
    case 's':
    case '%':
      return !c.zero && c.length == 0;
    default:
      return false;
  }
}

// Gathers the pieces on the stack and hands them to the text in a few
// appends: a text is made of many short pieces.
class Output {
 public:
  explicit Output(std::string& text) : text_(text) {}
  ~Output() { Flush(); }
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;

  void Append(std::string_view piece) {
    if (piece.size() > sizeof buffer_ - used_) {
      Flush();
      if (piece.size() > sizeof buffer_) {
        text_.append(piece);
        return;
      }
    }
    std::memcpy(buffer_ + used_, piece.data(), piece.size());
    used_ += piece.size();
  }
  void Fill(size_t count, char c) {
    if (count > sizeof buffer_ - used_) {
      Flush();
      if (count > sizeof buffer_) {
        text_.append(count, c);
        return;
      }
    }
    std::memset(buffer_ + used_, c, count);
    used_ += count;
  }

 private:
  void Flush() {
    text_.append(buffer_, used_);
    used_ = 0;
  }

  std::string& text_;
  char buffer_[256];
  size_t used_ = 0;
};

// `body` in a field of the conversion's width; zeros go behind a sign.
void AppendField(Output& out, std::string_view body, const Conversion& c) {
  const size_t fill = c.width > body.size() ? c.width - body.size() : 0;
  if (fill == 0) {
    out.Append(body);
  } else if (c.left) {
    out.Append(body);
    out.Fill(fill, ' ');
  } else if (c.zero && c.type != 's' && c.type != 'c') {
    size_t sign = !body.empty() && body[0] == '-' ? 1 : 0;
    out.Append(body.substr(0, sign));
    out.Fill(fill, '0');
    out.Append(body.substr(sign));
  } else {
    out.Fill(fill, ' ');
    out.Append(body);
  }
}

template <typename T>
std::string_view Digits(char (&buffer)[24], T value, int base, bool upper) {
  char* end = std::to_chars(buffer, buffer + sizeof buffer, value, base).ptr;
  if (upper) {
    for (char* p = buffer; p != end; ++p)
      if (*p >= 'a' && *p <= 'f') *p = static_cast<char>(*p - 'a' + 'A');
  }
  return {buffer, static_cast<size_t>(end - buffer)};
}

// `args` by pointer: a va_list parameter is not a va_list everywhere.
void AppendConversion(Output& out, const Conversion& c, va_list* args) {
  char buffer[24];
  switch (c.type) {
    case '%':
      out.Append("%");
      return;
    case 'c':
      buffer[0] = static_cast<char>(va_arg(*args, int));
      return AppendField(out, {buffer, 1}, c);
    case 's': {
      const char* text = va_arg(*args, const char*);
      return AppendField(out, text ? text : "(null)", c);
    }
    case 'd':
    case 'i':
      if (c.length == 'l')
        return AppendField(out, Digits(buffer, va_arg(*args, long), 10, false), c);
      if (c.length == 'z')
        return AppendField(out, Digits(buffer, va_arg(*args, ptrdiff_t), 10, false), c);
      return AppendField(out, Digits(buffer, va_arg(*args, int), 10, false), c);
    default: {
      const int base = c.type == 'u' ? 10 : 16;
      const bool upper = c.type == 'X';
      if (c.length == 'l')
        return AppendField(out, Digits(buffer, va_arg(*args, unsigned long), base, upper), c);
      if (c.length == 'z')
        return AppendField(out, Digits(buffer, va_arg(*args, size_t), base, upper), c);
      return AppendField(out, Digits(buffer, va_arg(*args, unsigned), base, upper), c);
    }
  }
}

std::string FormatWithLibrary(const char* format, va_list args) {
  va_list again;
  va_copy(again, args);
  char small[256];
  int needed = std::vsnprintf(small, sizeof small, format, args);
  std::string text;
  if (needed >= 0 && static_cast<size_t>(needed) < sizeof small) {
    text.assign(small, static_cast<size_t>(needed));
  } else if (needed >= 0) {
    text.assign(static_cast<size_t>(needed) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, again);
    text.resize(static_cast<size_t>(needed));
  }
  va_end(again);
  return text;
}

// False, with `text` half written, at a conversion it does not write.
bool AppendFormatted(std::string& text, const char* format, va_list* args) {
  Output out(text);
  for (const char* p = format;; ++p) {
    const char* plain = p;
    while (*p && *p != '%') ++p;
    out.Append({plain, static_cast<size_t>(p - plain)});
    if (!*p) return true;
    ++p;
    // The plain %d and %s make up nearly all conversions: no flags to read.
    if (*p == 'd') {
      char buffer[24];
      out.Append(Digits(buffer, va_arg(*args, int), 10, false));
      continue;
    }
    if (*p == 's') {
      const char* value = va_arg(*args, const char*);
      out.Append(value ? value : "(null)");
      continue;
    }
    Conversion c;
    if (!ReadConversion(p, c)) return false;
    AppendConversion(out, c, args);
  }
}

void AppendFormatList(std::string& text, const char* format, va_list args) {
  va_list walk, again;
  va_copy(walk, args);
  va_copy(again, args);
  const size_t kept = text.size();
  if (!AppendFormatted(text, format, &walk)) {
    text.resize(kept);
    text += FormatWithLibrary(format, again);
  }
  va_end(again);
  va_end(walk);
}

}  // namespace

std::string Format(const char* format, ...) {
  std::string text;
  va_list args;
  va_start(args, format);
  AppendFormatList(text, format, args);
  va_end(args);
  return text;
}

void AppendFormat(std::string& text, const char* format, ...) {
  va_list args;
  va_start(args, format);
  AppendFormatList(text, format, args);
  va_end(args);
}

}  // namespace ostrevan
