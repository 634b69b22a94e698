// What the GPRS Connect and GPRS Data Send pages share: the time-out, and
// the server from the PLC's system settings or given by address or domain
// name, with the enabling that follows the two radio groups.
#pragma once

#include <cstdint>

#include "blocks/gprs/gprs_server.h"
#include "editor/page.h"

namespace ostrevan {

class GprsServerPage : public editor::PageModel {
 public:
  static constexpr int kTimeout = 1187;
  static constexpr int kTimeoutUnit = 30000 + 1187;
  static constexpr int kPlcSystem = 2046;
  static constexpr int kCustomize = 2047;
  static constexpr int kByIp = 2033;
  static constexpr int kByDomain = 2032;
  static constexpr int kIp = 2044;
  static constexpr int kPort = 2045;
  static constexpr int kDomain = 2034;
  static constexpr int kDomainLimit = 50;

 protected:
  // `server` and `timeout` are the page's copies of the record's fields.
  GprsServerPage(int template_id, editor::Size size, GprsServer& server, uint8_t& timeout);

  // The time-out edit with its unit, and the server controls below `top`.
  void AddServerControls(const char* unit, int top);
  void AddLabeled(int id, editor::ControlKind kind, const char* label, editor::Rect rect,
                  int label_width = 70);

  // Fills the time-out and server controls; the time-out edit gets `range`.
  void OpenServer(editor::NumberRange timeout_range);
  void OnClicked(int id) override;
  // The time-out and server controls into the copies.
  void StoreServer();

 private:
  void ApplyEnabling();

  GprsServer* server_;
  uint8_t* timeout_;
};

}  // namespace ostrevan
