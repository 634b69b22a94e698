// Product data: the CPU model lists behind the capability questions.
// All names are of this product's own fictional OSV/OSN series.
#include "core/cpu_models.h"

namespace ostrevan::model_data {

const char* const kInternalCardModels[kInternalCardCount] = {
    "OSV-2400",    "OSV-2410",    "OSV-2410-4G", "OSV-2420-4G", "OSV-2430-4G",
    "OSV-2440-4G", "OSV-2600",    "OSV-2610-4G", "OSV-2620-4G", "OSV-3600",
    "OSV-3610-4G", "OSV-3620-4G", "OSV-3800",    "OSV-3810-4G", "OSV-3820-4G",
};

const char kFamilyTable[kFamilySlots][kFamilySlotBytes] = {
    "OSV-1100",    "OSV-1100R",   "OSV-1200",    "OSV-1200R",   "OSV-1400",
    "OSV-1400R",   "OSV-2100",    "OSV-2200",    "OSV-2400",    "OSV-2410",
    "OSV-2410-4G", "OSV-2420-4G", "OSV-2430-4G", "OSV-2440-4G", "OSV-2600",
    "OSV-2610-4G", "OSV-2620-4G", "OSV-3100",    "OSV-3200",    "OSV-3400",
    "OSV-3410-4G", "OSV-3420-4G", "OSV-3600",    "OSV-3610-4G", "OSV-3620-4G",
    "OSV-3800",    "OSV-3810-4G", "OSV-3820-4G", "OSV-4100",    "OSV-4200",
    "OSV-4400",    "OSV-4410-4G", "OSV-4420-4G", "OSV-4600",    "OSV-4800",
    "OSV-5100",    "OSV-5200",    "OSV-5400",
    // slots 39 to 50 are empty
};

const char* const kCellularBase[kCellularBaseCount] = {
    "OSV-2410-4G", "OSV-2420-4G", "OSV-2430-4G", "OSV-2440-4G",
};

const char* const kFamilyMqttModels[kFamilyMqttCount] = {
    // the cellular base models first
    "OSV-2410-4G", "OSV-2420-4G", "OSV-2430-4G", "OSV-2440-4G",
    "OSV-2610-4G", "OSV-2620-4G", "OSV-3410-4G", "OSV-3420-4G", "OSV-3610-4G",
    "OSV-3620-4G", "OSV-3810-4G", "OSV-3820-4G", "OSV-4410-4G", "OSV-4420-4G",
};

const char* const kOtherMqttModels[kOtherMqttCount] = {
    "OSN-110-4G", "OSN-120-4G", "OSN-130-4G", "OSN-140-4G", "OSN-210-4G", "OSN-220-4G",
    "OSN-230-4G", "OSN-240-4G", "OSN-310-4G", "OSN-320-4G", "OSN-330-4G", "OSN-340-4G",
    "OSN-410-4G", "OSN-420-4G", "OSN-510-4G", "OSN-520-4G", "OSN-900",
};

}  // namespace ostrevan::model_data
