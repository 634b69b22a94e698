#include "core/app.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

#include "core/factory.h"
#include "core/platform/platform.h"
#include "core/text_compare.h"

namespace ostrevan {

namespace {

// The numbers n of the sections named "Type_<n>" (as "%d" writes n, any
// letter case) with 1 <= n <= type_count, ascending and each once.
std::vector<int> TypeSectionNumbers(const std::vector<std::string>& sections, int type_count) {
  constexpr std::string_view kPrefix = "Type_";
  std::vector<int> numbers;
  for (const std::string& section : sections) {
    std::string_view name = section;
    if (!EqualsNoCase(name.substr(0, kPrefix.size()), kPrefix)) continue;
    std::string_view digits = name.substr(kPrefix.size());
    if (digits.empty() || digits.size() > 10 || digits[0] == '0') continue;
    if (digits.find_first_not_of("0123456789") != std::string_view::npos) continue;
    long long n = std::stoll(std::string(digits));
    if (n <= type_count) numbers.push_back(static_cast<int>(n));
  }
  std::sort(numbers.begin(), numbers.end());
  numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
  return numbers;
}

}  // namespace

COstrevanApp::COstrevanApp() : module_directory_(platform::ModuleDirectory()) {
  for (size_t i = 0; i < kBlockTypeCount; ++i)
    block_types_[i] = BlockTypeRow{BlockCatalogue()[i].name, BlockCatalogue()[i].type};
}

std::string COstrevanApp::module_directory() const {
  return platform::ModuleDirectoryOverride().value_or(module_directory_);
}

std::string_view COstrevanApp::cpu_model() const {
  return std::string_view(cpu_model_, strnlen(cpu_model_, sizeof cpu_model_));
}

void COstrevanApp::VariableInit(const char* cpu_model, const AreaSize* areas32) {
  std::memset(cpu_model_, 0, sizeof cpu_model_);
  if (cpu_model) std::strncpy(cpu_model_, cpu_model, sizeof cpu_model_ - 1);
  if (areas32) std::memcpy(areas_.records, areas32, sizeof areas_.records);
}

int COstrevanApp::CodeStart() {
  instance_counter_ = 0;
  phone_book_.Reset();
  for (BlockTypeRow& row : block_types_) row.count = 0;
  return 1;
}

int COstrevanApp::Code(int type, const char* param, uint8_t* record, uint32_t* len) {
  if (instance_counter_ >= instance_total_) return 0;
  // The rows stand in the catalogue's order.
  const int at = CatalogueRow(type);
  if (at < 0) {
    ++instance_counter_;
    return 0;
  }
  BlockTypeRow& row = block_types_[static_cast<size_t>(at)];
  int result = BlockCatalogue()[static_cast<size_t>(at)].code(instance_counter_, instance_total_,
                                                              row.count, param, record, len);
  bool counted = false;
  if (row.count + 1 <= row.limit) {
    ++row.count;
    counted = true;
  }
  if (!counted) result = 0;
  ++instance_counter_;
  return result > 0 ? 1 : 0;
}

int COstrevanApp::Config(const char* ini_path) {
  instance_total_ = 0;
  for (BlockTypeRow& row : block_types_) row.limit = row.count = 0;
  if (!ini_path || !platform::FileExists(ini_path)) return -1;

  std::string path = ini_path;
  if (!platform::IsRootedPath(path)) path = platform::HostExecutableDirectory() + path;

  platform::IniFile ini(path);
  instance_total_ = ini.Int("DEFAULT", "Total", 0);
  int type_count = ini.Int("DEFAULT", "TypeCount", 0);
  // "Type_1" to "Type_<TypeCount>" in order; only the sections the file has
  // can change a row, so a huge TypeCount costs nothing.
  for (int n : TypeSectionNumbers(ini.SectionNames(), type_count)) {
    std::string section = "Type_" + std::to_string(n);
    std::string name = ini.String(section, "Name", "");
    int limit = ini.Int(section, "Max", 0);
    if (name.empty()) continue;
    for (BlockTypeRow& row : block_types_) {
      if (EqualsNoCase(name, row.name)) {
        row.limit = limit;
        row.count = 0;
        break;
      }
    }
  }
  return 1;
}

COstrevanApp& App() {
  static COstrevanApp app;
  return app;
}

}  // namespace ostrevan
