// The limits of one code generation, counted the way the plug-in's
// Function_Code counts them, so that the host can say why the plug-in
// refused a block and what to change.
#pragma once

#include <array>
#include <optional>
#include <string>

namespace ostrevan::host {

// Where the limits came from, for the advice in a refusal.
struct LimitsOrigin {
  bool in_project = true;  // the project's [limits]; else a limits file
  std::string file;        // the limits file as the project names it
};

struct Refusal {
  std::string reason;  // what the table row shows
  std::string advice;  // what to change
};

class BuildLimits {
 public:
  static constexpr int kTypes = 12;

  // `limits[type - 1]` is the most blocks of that type.
  BuildLimits(int total, const std::array<int, kTypes>& limits, LimitsOrigin origin);

  // Reads a limits file with the plug-in's own configuration reader.
  static BuildLimits Read(const std::string& ini_path, LimitsOrigin origin);

  // Why Function_Code will refuse the next block of `type`, or nothing when
  // it will count it.
  std::optional<Refusal> WhyRefused(int type) const;
  // Counts a block of `type` as Function_Code does, refused or not.
  void Count(int type);

  // "total 64; WIFI 2, Modbus 8" (the types that allow a block, in id order).
  std::string Summary() const;

 private:
  int total_;
  std::array<int, kTypes> limits_;
  std::array<int, kTypes> counts_{};
  int counter_ = 0;
  LimitsOrigin origin_;
};

}  // namespace ostrevan::host
