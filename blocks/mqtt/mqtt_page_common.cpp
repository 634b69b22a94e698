#include "blocks/mqtt/mqtt_page_common.h"

#include <chrono>
#include <ctime>
#include <random>

#include "core/app.h"
#include "core/cpu_models.h"
#include "core/param_text.h"

namespace ostrevan::mqtt {

namespace {

// One value of 1 to 32767 from a generator seeded with the millisecond
// tick plus the seconds of the clock plus `offset`.
int DrawOne(unsigned offset) {
  using namespace std::chrono;
  auto ticks = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
  auto seed = static_cast<unsigned>(ticks) + static_cast<unsigned>(std::time(nullptr)) + offset;
  std::minstd_rand generator(seed);
  return std::uniform_int_distribution<int>(0, 32767)(generator);
}

}  // namespace

std::vector<std::string> NetworkItems() {
  std::vector<std::string> items{"Ethernet"};
  if (SupportsMqtt4G(App().cpu_model())) items.emplace_back("4G");
  return items;
}

int NetworkSelection(int network, const std::vector<std::string>& items) {
  return network >= 0 && network < static_cast<int>(items.size()) ? network : -1;
}

std::string NewClientId() {
  int parts[3] = {};
  // Drawn again, all three, until none is 0.
  do {
    for (unsigned i = 0; i < 3; ++i) parts[i] = DrawOne(i + 1);
  } while (parts[0] < 1 || parts[1] < 1 || parts[2] < 1);
  return Format("%04d%04d%04d", parts[0], parts[1], parts[2]);
}

}  // namespace ostrevan::mqtt
