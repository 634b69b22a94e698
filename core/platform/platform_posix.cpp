// The platform layer on POSIX systems (the development build).
#include <dlfcn.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <time.h>
#include <unistd.h>

#include <climits>
#include <cstdint>
#include <utility>

#include "core/platform/platform.h"

namespace ostrevan::platform {

namespace {

std::string DirectoryOf(const std::string& path) {
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}

}  // namespace

char PathSeparator() { return '/'; }

std::string ModuleDirectory() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&ModuleDirectory), &info) && info.dli_fname) {
    char resolved[PATH_MAX];
    if (realpath(info.dli_fname, resolved)) return DirectoryOf(resolved);
    return DirectoryOf(info.dli_fname);
  }
  return "./";
}

std::string HostExecutableDirectory() {
  char path[PATH_MAX];
  ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return "./";
  return DirectoryOf(std::string(path, static_cast<size_t>(length)));
}

bool IsRootedPath(std::string_view path) { return !path.empty() && path.front() == '/'; }

bool FileExists(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool MakeDirectory(const std::string& path) { return mkdir(path.c_str(), 0755) == 0; }

IniFile::IniFile(std::string path) : path_(std::move(path)) {
  // Read whole, however large, as the private-profile calls do.
  std::optional<std::string> bytes = ReadFileLimited(path_, SIZE_MAX);
  index_ = IniIndex::Parse(bytes ? *bytes : std::string());
}

std::string IniFile::String(std::string_view section, std::string_view key,
                            std::string_view fallback) const {
  std::optional<std::string> value = index_->Find(section, key);
  return value ? *value : std::string(fallback);
}

int IniFile::Int(std::string_view section, std::string_view key, int fallback) const {
  std::optional<std::string> value = index_->Find(section, key);
  // An empty value reads as the fallback, as the integer call has it.
  return value && !value->empty() ? ProfileInt(*value) : fallback;
}

std::vector<std::string> IniFile::SectionNames() const { return index_->section_names(); }

LocalTime SystemLocalTime() {
  struct timeval now {};
  gettimeofday(&now, nullptr);
  struct tm local {};
  time_t seconds = now.tv_sec;
  localtime_r(&seconds, &local);
  return LocalTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                   local.tm_min,         local.tm_sec,     static_cast<int>(now.tv_usec / 1000)};
}

}  // namespace ostrevan::platform
