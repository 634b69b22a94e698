#include "core/platform/platform.h"

namespace ostrevan::platform {

LocalTime SystemLocalTime();  // per OS

namespace {
ClockSource g_clock_source = nullptr;
}

LocalTime Now() { return g_clock_source ? g_clock_source() : SystemLocalTime(); }

void SetClockSource(ClockSource source) { g_clock_source = source; }

}  // namespace ostrevan::platform
