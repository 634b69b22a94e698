// The few things the plug-in asks of the operating system, one
// implementation per OS: INI reading with the private-profile rules, where
// the library and the host live, files, and the local clock.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/ini_reader.h"

namespace ostrevan::platform {

// '\\' on Windows, '/' elsewhere; directories handed out end with it.
char PathSeparator();

// Directory of the loaded plug-in library, with a trailing separator.
std::string ModuleDirectory();

// Tests point the plug-in's module directory (as the plug-in object hands it
// out) at a directory of their own, ending with the separator, so that files
// the plug-in writes there stay out of the build tree; nullopt gives the real
// one back.
void SetModuleDirectoryOverride(std::optional<std::string> directory);
const std::optional<std::string>& ModuleDirectoryOverride();

// Directory of the host's executable, with a trailing separator.
std::string HostExecutableDirectory();

// A path that names its root (a drive letter on Windows, '/' elsewhere).
bool IsRootedPath(std::string_view path);

// A regular file at exactly `path`: no wildcard is expanded.
bool FileExists(const std::string& path);

// The file's bytes, or nothing when it cannot be read or holds more than
// `max_bytes`.
std::optional<std::string> ReadFileLimited(const std::string& path, size_t max_bytes);

bool WriteFileBytes(const std::string& path, std::string_view bytes);

// Creates one directory; false when it exists already or cannot be made.
bool MakeDirectory(const std::string& path);

// A private-profile (INI) file, opened once and read many times: sections
// and keys match case-insensitively, values are trimmed and at most 255
// characters. Where the system has the private-profile calls they serve;
// elsewhere the whole file is read once into an index (ini_reader.h).
class IniFile {
 public:
  explicit IniFile(std::string path);

  // The value, or `fallback` when the section or key is absent.
  std::string String(std::string_view section, std::string_view key,
                     std::string_view fallback) const;
  // The value as the integer call reads it (ProfileInt): decimal, or with a
  // 0x, 0o or 0b prefix; text that is not a number reads as 0, an empty value
  // as `fallback`.
  int Int(std::string_view section, std::string_view key, int fallback) const;
  // The names of the file's sections, in file order.
  std::vector<std::string> SectionNames() const;

 private:
  std::string path_;
  std::optional<IniIndex> index_;
};

struct LocalTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, millisecond = 0;
};

LocalTime Now();

// Tests fix the clock; nullptr gives the real one back.
using ClockSource = LocalTime (*)();
void SetClockSource(ClockSource source);

}  // namespace ostrevan::platform
