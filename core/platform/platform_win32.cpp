// The platform layer on Windows (the product build): the system's own
// private-profile calls, module names and clock.
#include <direct.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <utility>

#include "core/platform/platform.h"
#include "core/text_compare.h"

namespace ostrevan::platform {

namespace {

std::string DirectoryOf(const std::string& path) {
  size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string(".\\") : path.substr(0, slash) + "\\";
}

std::string ModuleFileName(HMODULE module) {
  char path[MAX_PATH + 1] = {};
  DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
  return std::string(path, length);
}

}  // namespace

char PathSeparator() { return '\\'; }

std::string ModuleDirectory() {
  HMODULE self = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                         GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&ModuleDirectory), &self);
  return DirectoryOf(ModuleFileName(self));
}

std::string HostExecutableDirectory() { return DirectoryOf(ModuleFileName(nullptr)); }

bool IsRootedPath(std::string_view path) {
  bool drive = path.size() >= 2 && path[1] == ':';
  bool unc = path.size() >= 2 && path[0] == '\\' && path[1] == '\\';
  return drive || unc;
}

bool FileExists(const std::string& path) {
  // Exactly this path: a search would expand '?' and '*' into other files.
  if (path.find_first_of("?*") != std::string::npos) return false;
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool MakeDirectory(const std::string& path) { return _mkdir(path.c_str()) == 0; }

IniFile::IniFile(std::string path) : path_(std::move(path)) {}

std::string IniFile::String(std::string_view section, std::string_view key,
                            std::string_view fallback) const {
  char value[256] = {};
  GetPrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(),
                           std::string(fallback).c_str(), value, sizeof value, path_.c_str());
  return value;
}

int IniFile::Int(std::string_view section, std::string_view key, int fallback) const {
  return static_cast<int>(GetPrivateProfileIntA(std::string(section).c_str(),
                                                std::string(key).c_str(), fallback,
                                                path_.c_str()));
}

std::vector<std::string> IniFile::SectionNames() const {
  // The call answers size - 2 when the names do not fit: grow and ask again.
  std::vector<char> names(4096);
  for (;;) {
    DWORD got = GetPrivateProfileSectionNamesA(names.data(), static_cast<DWORD>(names.size()),
                                               path_.c_str());
    if (got + 2 < names.size() || names.size() >= (1u << 24)) {
      names.resize(std::min<size_t>(got, names.size()));
      break;
    }
    names.resize(names.size() * 2);
  }
  std::vector<std::string> sections;
  for (size_t at = 0; at < names.size();) {
    size_t length = strnlen(names.data() + at, names.size() - at);
    std::string_view name(names.data() + at, length);
    at += length + 1;
    // A name repeated in the file is listed once, as its first section.
    bool known = std::any_of(sections.begin(), sections.end(),
                             [&](const std::string& seen) { return EqualsNoCase(seen, name); });
    if (length && !known) sections.emplace_back(name);
  }
  return sections;
}

LocalTime SystemLocalTime() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return LocalTime{now.wYear, now.wMonth,  now.wDay,         now.wHour,
                   now.wMinute, now.wSecond, now.wMilliseconds};
}

}  // namespace ostrevan::platform
