// The communication ports a Modbus block can use, as the port list shows
// them and as the codes the parameters store.
#pragma once

#include <string>
#include <vector>

namespace ostrevan {

// 10 to 18 (Ethernet and its sockets) are network ports; all others serial.
constexpr bool IsNetworkPort(long port) { return port >= 10 && port <= 18; }

// The entry text of a port code; empty for a code without an entry.
std::string PortEntryText(int code);

// The 13 entries of the list, in list order.
std::vector<std::string> PortListEntries();

// The code an entry text stands for; `current` when the text matches none.
int PortCodeFromEntry(const std::string& text, int current);

// The state of the port drop-down: its entries, the selected one, the code.
class PortList {
 public:
  void Init(int code);
  // The user picked entry `selection` (-1 for none); returns the new code.
  int OnSelectionChanged(int selection);

  const std::vector<std::string>& entries() const { return entries_; }
  int selection() const { return selection_; }
  int code() const { return code_; }

 private:
  std::vector<std::string> entries_;
  int selection_ = -1;
  int code_ = 0;
};

}  // namespace ostrevan
