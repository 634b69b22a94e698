#include "tools/ostrevan-host/session.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "tools/ostrevan-host/project.h"

namespace ostrevan::host {

uint32_t Session::ParamLength(int type) const {
  uint32_t length = 0;
  api().param_length(type, &length);
  return length;
}

uint32_t Session::CodeLength(int type) const {
  uint32_t length = 0;
  api().code_length(type, &length);
  return length;
}

std::vector<char> Session::TextBuffer(int type, const std::string& text) const {
  std::vector<char> buffer(std::max<uint32_t>(ParamLength(type), 1), '\0');
  std::memcpy(buffer.data(), text.data(), std::min(text.size(), buffer.size() - 1));
  return buffer;
}

std::string Session::DefaultText(int type) const {
  std::vector<char> buffer = TextBuffer(type, "");
  if (!api().set_default(type, buffer.data())) return {};
  return buffer.data();
}

std::vector<uint8_t> Session::CodeOne(int type, const std::string& text) const {
  std::string ini = std::string("[DEFAULT]\nTotal=1\nTypeCount=1\n[Type_1]\nName=") +
                    BlockTypeDisplayName(type) + "\nMax=1\n";
  TempFile limits("limits", ini);
  if (api().config(limits.path().c_str()) != 1) return {};
  api().code_start(0);
  std::vector<char> param = TextBuffer(type, text);
  std::vector<uint8_t> record(CodeLength(type), 0);
  uint32_t length = 0;
  if (!api().code(type, param.data(), record.data(), &length)) return {};
  record.resize(std::min<size_t>(length, record.size()));
  return record;
}

TempFile::TempFile(const std::string& stem, const std::string& contents) {
  static std::atomic<unsigned> counter{0};
  auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  std::filesystem::path path = std::filesystem::temp_directory_path() /
                               ("ostrevan-" + stem + "-" + std::to_string(stamp) + "-" +
                                std::to_string(counter++) + ".ini");
  path_ = path.string();
  std::ofstream out(path_, std::ios::binary);
  out << contents;
  if (!out.flush()) throw std::runtime_error("cannot write " + path_);
}

TempFile::~TempFile() {
  std::error_code ignored;
  std::filesystem::remove(path_, ignored);
}

}  // namespace ostrevan::host
