// The platform layer on Windows (the product build): the system's own
// private-profile calls, module names and clock.
#include <direct.h>
#include <windows.h>

#include "core/platform/platform.h"

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
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(path.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool MakeDirectory(const std::string& path) { return _mkdir(path.c_str()) == 0; }

std::string ReadIniString(const std::string& path, std::string_view section,
                          std::string_view key, std::string_view fallback) {
  char value[256] = {};
  GetPrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(),
                           std::string(fallback).c_str(), value, sizeof value, path.c_str());
  return value;
}

int ReadIniInt(const std::string& path, std::string_view section, std::string_view key,
               int fallback) {
  return static_cast<int>(GetPrivateProfileIntA(std::string(section).c_str(),
                                                std::string(key).c_str(), fallback, path.c_str()));
}

LocalTime SystemLocalTime() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return LocalTime{now.wYear, now.wMonth,  now.wDay,         now.wHour,
                   now.wMinute, now.wSecond, now.wMilliseconds};
}

}  // namespace ostrevan::platform
