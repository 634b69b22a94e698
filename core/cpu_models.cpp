#include "core/cpu_models.h"

#include <cstring>

#include "core/text_compare.h"

namespace ostrevan {

namespace {

template <size_t N>
bool InList(std::string_view model, const char* const (&list)[N]) {
  for (const char* name : list) {
    if (EqualsNoCase(model, name)) return true;
  }
  return false;
}

constexpr std::string_view k4GMarker = "-4G";

}  // namespace

bool HasInternalCard(std::string_view model) {
  return InList(model, model_data::kInternalCardModels);
}

bool InModelFamily(std::string_view model) {
  if (model.empty()) return false;
  for (const auto& slot : model_data::kFamilyTable) {
    std::string_view name(slot, strnlen(slot, sizeof slot));
    if (!name.empty() && EqualsNoCase(model, name)) return true;
  }
  return false;
}

bool SupportsMqtt4G(std::string_view model) {
  bool listed = InModelFamily(model) ? InList(model, model_data::kFamilyMqttModels)
                                     : InList(model, model_data::kOtherMqttModels);
  return listed && model.find(k4GMarker) != std::string_view::npos;
}

}  // namespace ostrevan
