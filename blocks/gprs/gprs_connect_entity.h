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

GprsConnectParams ParseGprsConnectText(const std::string& text);
std::string GprsConnectText(const GprsConnectParams& params);

class CGprsConnectEntity : public CFbdEntity {
 public:
  static constexpr int kType = 4;
  static constexpr uint32_t kParamLength = 200;
  static constexpr uint32_t kCodeLength = 150;

  int GetType() const override { return kType; }
  int IsType(int type) const override { return type == kType; }
  int GetParamLength(uint32_t* len) const override { return ReportLength(len, kParamLength); }
  int GetCodeLength(uint32_t* len) const override { return ReportLength(len, kCodeLength); }
  int SetDefault(char* param) override;
  int Code(const char* param, uint8_t* record, uint32_t* len) override;
  int Decode(char* param, const uint8_t* record, uint32_t len) override;
};

}  // namespace ostrevan
