// What the MQTT pages share: the network list and the client ID maker.
#pragma once

#include <string>
#include <vector>

namespace ostrevan::mqtt {

// "Ethernet", and "4G" after it when the selected CPU model has the modem.
std::vector<std::string> NetworkItems();

// The list position of a network value, or -1 when the list has no such
// entry (the value is then kept until the user picks one).
int NetworkSelection(int network, const std::vector<std::string>& items);

// "Create only one ID": three pseudo-random numbers of 1 to 32767, each
// drawn from a generator seeded with the clock plus 1, 2 and 3, written
// with "%04d%04d%04d" (12 to 15 digits).
std::string NewClientId();

}  // namespace ostrevan::mqtt
