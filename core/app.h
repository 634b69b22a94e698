// The single plug-in object: the block type table with its limits and
// counts, the CPU the host selected, and the phone book.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/catalogue.h"
#include "core/entity.h"
#include "core/operand.h"
#include "core/phone_book.h"

namespace ostrevan {

struct BlockTypeRow {
  const char* name;
  int type;
  int limit = 0;
  int count = 0;
};

constexpr size_t kCpuModelBytes = 100;

class COstrevanApp {
 public:
  COstrevanApp();

  // The export operations, as the host drives a build.
  void VariableInit(const char* cpu_model, const AreaSize* areas32);
  int CodeStart();
  int Code(int type, const char* param, uint8_t* record, uint32_t* len);
  int Config(const char* ini_path);

  std::string_view cpu_model() const;
  const AreaTable& areas() const { return areas_; }
  PhoneBook& phone_book() { return phone_book_; }
  // Where the library lives (or where a test put it instead), ending with
  // the path separator.
  std::string module_directory() const;
  int instance_counter() const { return instance_counter_; }
  int instance_total() const { return instance_total_; }
  const std::array<BlockTypeRow, kBlockTypeCount>& block_types() const { return block_types_; }

 private:
  std::string module_directory_;
  int instance_counter_ = 0;
  int instance_total_ = 0;
  char cpu_model_[kCpuModelBytes] = {};
  AreaTable areas_;
  PhoneBook phone_book_;
  std::array<BlockTypeRow, kBlockTypeCount> block_types_;
};

// The plug-in object, created on first use and living until unload.
COstrevanApp& App();

}  // namespace ostrevan
