// Format and AppendFormat print with the C library: they write cold texts
// only (editor lists and hints, file names, the host tool's output); the
// texts of every Decode are built with TextBuilder.
#include <cstdarg>
#include <cstdio>
#include <string>

#include "core/param_text.h"

namespace ostrevan {

namespace {

void AppendFormatList(std::string& text, const char* format, va_list args) {
  va_list again;
  va_copy(again, args);
  char small[256];
  const int length = std::vsnprintf(small, sizeof small, format, args);
  if (length >= 0 && static_cast<size_t>(length) < sizeof small) {
    text.append(small, static_cast<size_t>(length));
  } else if (length > 0) {
    const size_t kept = text.size();
    text.resize(kept + static_cast<size_t>(length) + 1);
    std::vsnprintf(&text[kept], static_cast<size_t>(length) + 1, format, again);
    text.resize(kept + static_cast<size_t>(length));
  }
  va_end(again);
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
