// The server a GPRS block talks to: the one in the PLC's system settings,
// or one given in the block by IPv4 address or domain name, with a port.
// Both GPRS blocks carry it in their texts and records the same way.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/record.h"

namespace ostrevan {

struct GprsServer {
  bool system_settings = true;  // 1 "PLC system", 0 "Customize"
  std::array<uint8_t, 4> ip{192, 168, 0, 21};
  uint16_t port = 5010;
  bool by_domain = false;       // 1 "Domain Name", 0 "IP Address"
  std::string domain_name;
};

// The record field of the domain name; longer names are cut.
constexpr size_t kDomainNameWidth = 50;

// The address segment of a text: the domain name without double quotes
// when the server goes by domain, else "%d.%d.%d.%d" (missing parts 0).
void ReadServerAddress(std::string_view span, GprsServer& server);
// Into a TextBuilder or a HostText.
template <class Out>
void PrintServerAddress(Out& text, const GprsServer& server);

// Record bits: bit 0 for "Customize", bit 1 for a domain name.
constexpr uint8_t kDomainNameBit = 0x02;
uint8_t ServerModeBits(const GprsServer& server);
void ApplyServerModeBits(uint8_t bits, GprsServer& server);

// The address field of a record: the IP and two zero bytes, or the domain
// name in a zero-padded field of kDomainNameWidth bytes.
// Over the checked or the raw record cursor.
template <class Out>
void PutServerAddress(Out& out, const GprsServer& server);
// Its reverse, after ApplyServerModeBits: the other form is cleared.
template <class In>
void ReadServerAddress(In& in, GprsServer& server);

}  // namespace ostrevan
