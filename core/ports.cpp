#include "core/ports.h"

#include "core/param_text.h"

namespace ostrevan {

namespace {

constexpr const char* kComKinds[] = {"RS232/PRO-RS485", "Ext RS485", "Built-in RS485",
                                     "Built-in RS485", "WIFI"};
constexpr int kComCodes[] = {0, 2, 3, 4, 5};
constexpr int kSocketCount = 8;
constexpr int kFirstSocketCode = 11;
constexpr int kEthernetCode = 10;

std::string ComEntry(int com) { return Format("COM%d(%s)", com, kComKinds[com]); }
std::string SocketEntry(int socket) { return Format("%s: %s %d", "Ethernet", "Socket", socket); }

}  // namespace

std::string PortEntryText(int code) {
  for (int com = 0; com < 5; ++com) {
    if (kComCodes[com] == code) return ComEntry(com);
  }
  if (code == kEthernetCode) return "Ethernet";
  if (code >= kFirstSocketCode && code < kFirstSocketCode + kSocketCount)
    return SocketEntry(code - kFirstSocketCode + 1);
  return {};
}

std::vector<std::string> PortListEntries() {
  std::vector<std::string> entries;
  for (int com = 0; com < 5; ++com) entries.push_back(ComEntry(com));
  for (int socket = 1; socket <= kSocketCount; ++socket) entries.push_back(SocketEntry(socket));
  return entries;
}

int PortCodeFromEntry(const std::string& text, int current) {
  // The order of comparison is COM0, Ethernet, COM1..COM4, then the sockets.
  if (text == ComEntry(0)) return 0;
  if (text == "Ethernet") return kEthernetCode;
  for (int com = 1; com < 5; ++com) {
    if (text == ComEntry(com)) return kComCodes[com];
  }
  for (int socket = 1; socket <= kSocketCount; ++socket) {
    if (text == SocketEntry(socket)) return kFirstSocketCode + socket - 1;
  }
  return current;
}

void PortList::Init(int code) {
  code_ = code;
  entries_ = PortListEntries();
  selection_ = -1;
  std::string wanted = PortEntryText(code);
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i] == wanted) {
      selection_ = static_cast<int>(i);
      break;
    }
  }
}

int PortList::OnSelectionChanged(int selection) {
  if (selection < 0 || selection >= static_cast<int>(entries_.size())) return code_;
  selection_ = selection;
  code_ = PortCodeFromEntry(entries_[selection], code_);
  return code_;
}

}  // namespace ostrevan
