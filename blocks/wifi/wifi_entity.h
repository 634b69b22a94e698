// The WIFI block: switches the PLC's WiFi between access point and station.
#pragma once

#include <cstdint>
#include <string>

#include "core/entity.h"

namespace ostrevan {

struct WifiParams {
  uint8_t mode = 0;  // 0 access point ("AP"), 1 station ("STA")
};

WifiParams ParseWifiText(std::string_view text);
std::string WifiText(const WifiParams& params);

class CWifiModeEntity : public CBlockEntity<11, 5, 20> {
 public:
  int SetDefault(char* param) override;
  int Edit(char* param) override;
  int Code(const char* param, uint8_t* record, uint32_t* len) override;
  int Decode(char* param, const uint8_t* record, uint32_t len) override;
};

}  // namespace ostrevan
