// File contents through the C run-time, the same on every system.
#include <cstdio>
#include <memory>

#include "core/platform/platform.h"

namespace ostrevan::platform {

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace

std::optional<std::string> ReadFileLimited(const std::string& path, size_t max_bytes) {
  File file(std::fopen(path.c_str(), "rb"));
  if (!file) return std::nullopt;
  std::string bytes;
  char chunk[4096];
  size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) {
    if (got > max_bytes - bytes.size()) return std::nullopt;
    bytes.append(chunk, got);
  }
  if (std::ferror(file.get())) return std::nullopt;
  return bytes;
}

bool WriteFileBytes(const std::string& path, std::string_view bytes) {
  File file(std::fopen(path.c_str(), "wb"));
  if (!file) return false;
  if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
    return false;
  return std::fclose(file.release()) == 0;
}

}  // namespace ostrevan::platform
