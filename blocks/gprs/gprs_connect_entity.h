// The GPRS Connect block: the PLC opens a connection over its cellular
// modem and closes it after some minutes without traffic.
#pragma once

#include <cstdint>
#include <string>

#include "blocks/gprs/gprs_server.h"
#include "core/entity.h"

namespace ostrevan {

struct GprsConnectParams {
  uint8_t timeout = 5;  // minutes
  GprsServer server;
  uint32_t close_mode = 0;  // 0 "DisConnect", 1 "Close mobile scene"; kept as read
};

GprsConnectParams ParseGprsConnectText(std::string_view text);
std::string GprsConnectText(const GprsConnectParams& params);

class CGprsConnectEntity : public CBlockEntity<4, 200, 150> {
 public:
  int SetDefault(char* param) override;
  int Edit(char* param) override;
  int Code(const char* param, uint8_t* record, uint32_t* len) override;
  int Decode(char* param, const uint8_t* record, uint32_t len) override;
};

}  // namespace ostrevan
