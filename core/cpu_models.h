// What the selected CPU model can do, answered from the product's model lists.
#pragma once

#include <string_view>

namespace ostrevan {

bool HasInternalCard(std::string_view model);
bool InModelFamily(std::string_view model);
bool SupportsMqtt4G(std::string_view model);

// The product's model lists (model_data.cpp).
namespace model_data {

constexpr int kInternalCardCount = 15;
constexpr int kFamilySlots = 50;
constexpr int kFamilyFilled = 38;
constexpr int kFamilySlotBytes = 50;
constexpr int kCellularBaseCount = 4;
constexpr int kFamilyMqttCount = 14;
constexpr int kOtherMqttCount = 17;

extern const char* const kInternalCardModels[kInternalCardCount];
extern const char kFamilyTable[kFamilySlots][kFamilySlotBytes];
extern const char* const kCellularBase[kCellularBaseCount];
extern const char* const kFamilyMqttModels[kFamilyMqttCount];
extern const char* const kOtherMqttModels[kOtherMqttCount];

}  // namespace model_data
}  // namespace ostrevan
