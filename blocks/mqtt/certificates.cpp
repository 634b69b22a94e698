#include "blocks/mqtt/certificates.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <utility>

#include "core/app.h"
#include "core/param_text.h"
#include "core/platform/platform.h"

namespace ostrevan::mqtt {

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

constexpr const char* kExtensions[kCertificateFiles] = {"pem", "crt", "key"};

}  // namespace

std::optional<std::string> ReadCertificateFile(const std::string& path) {
  if (path.empty()) return std::string();
  File file(std::fopen(path.c_str(), "r+b"));
  if (!file) return std::string();
  std::string content;
  char line[256];
  while (std::fgets(line, sizeof line, file.get())) {
    content.append(line, strnlen(line, sizeof line));
    if (content.size() > kMaxCertificateBytes) return std::nullopt;
  }
  return content;
}

CertificateTexts CarriedCertificates(bool tls, const CertificatePaths& paths) {
  CertificateTexts contents;
  bool carried = tls && !(paths[0].empty() && paths[1].empty() && paths[2].empty());
  size_t total = 0;
  for (size_t k = 0; carried && k < kCertificateFiles; ++k) {
    std::optional<std::string> content = ReadCertificateFile(std::string(paths[k]));
    if (!content)
      carried = false;
    else
      contents[k] = std::move(*content);
    total += contents[k].size();
  }
  if (!carried || total == 0) contents = CertificateTexts{};
  return contents;
}

std::string WriteCertificateFile(std::string_view content, size_t number) {
  platform::LocalTime now = platform::Now();
  std::string directory =
      App().module_directory() + Format("%04d_%02d_%02d_%02d_%02d_%02d", now.year, now.month,
                                        now.day, now.hour, now.minute, now.second);
  platform::MakeDirectory(directory);  // one that exists already is simply used
  std::string path =
      directory + platform::PathSeparator() +
      Format("%d.%s", static_cast<int>(number + 1), kExtensions[number % kCertificateFiles]);
  return platform::WriteFileBytes(path, content) ? path : std::string();
}

}  // namespace ostrevan::mqtt
