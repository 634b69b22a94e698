#include "tools/ostrevan-host/build_limits.h"

#include "core/app.h"
#include "tools/ostrevan-host/project.h"

namespace ostrevan::host {

namespace {

std::string Blocks(int count, const std::string& what) {
  std::string text = std::to_string(count) + " ";
  if (!what.empty()) text += what + " ";
  return text + (count == 1 ? "block" : "blocks");
}

}  // namespace

BuildLimits::BuildLimits(int total, const std::array<int, kTypes>& limits, LimitsOrigin origin)
    : total_(total), limits_(limits), origin_(std::move(origin)) {}

BuildLimits BuildLimits::Read(const std::string& ini_path, LimitsOrigin origin) {
  // A plug-in object of the tool's own, apart from the loaded plug-in's:
  // only its configuration is used.
  COstrevanApp reader;
  reader.Config(ini_path.c_str());
  std::array<int, kTypes> limits{};
  for (const BlockTypeRow& row : reader.block_types()) {
    if (row.type >= 1 && row.type <= kTypes) limits[row.type - 1] = row.limit;
  }
  return BuildLimits(reader.instance_total(), limits, std::move(origin));
}

std::optional<Refusal> BuildLimits::WhyRefused(int type) const {
  const bool in_project = origin_.in_project;
  const std::string file = Printable(origin_.file);
  if (counter_ >= total_) {
    return Refusal{
        "the program total of " + Blocks(total_, "") + " is reached",
        in_project ? "raise total in [limits]" : "raise Total in [DEFAULT] of " + file};
  }
  if (type < 1 || type > kTypes) return std::nullopt;  // the plug-in knows no such type
  const std::string name = BlockTypeDisplayName(type);
  const int limit = limits_[type - 1];
  if (limit <= 0) {
    return Refusal{
        "the limits allow no " + name + " block",
        in_project ? "add " + name + " = N to [limits]"
                   : "give " + name + " a Max in " + file +
                         " (a [Type_n] section with Name=" + name + " and Max=N, n within TypeCount)"};
  }
  if (counts_[type - 1] >= limit) {
    return Refusal{
        "the limit of " + Blocks(limit, name) + " is reached",
        in_project ? "raise " + name + " in [limits]" : "raise the Max of " + name + " in " + file};
  }
  return std::nullopt;
}

void BuildLimits::Count(int type) {
  if (counter_ >= total_) return;  // refused before the block is looked at
  ++counter_;
  if (type < 1 || type > kTypes) return;
  if (counts_[type - 1] + 1 <= limits_[type - 1]) ++counts_[type - 1];
}

std::string BuildLimits::Summary() const {
  std::string text = "total " + std::to_string(total_);
  const char* separator = "; ";
  for (int type = 1; type <= kTypes; ++type) {
    if (limits_[type - 1] <= 0) continue;
    text += separator + std::string(BlockTypeDisplayName(type)) + " " +
            std::to_string(limits_[type - 1]);
    separator = ", ";
  }
  return text;
}

}  // namespace ostrevan::host
