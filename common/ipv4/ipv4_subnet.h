// Ipv4Subnet: the subnet that an address and its mask put a device in, and which of its
// addresses a device can be given. Addresses and masks are numbers in host order
// (192.168.1.0 is 0xC0A80100).
#pragma once

#include <cstdint>

class Ipv4Subnet {
public:
    // Ones followed by zeros, with at least one one.
    static bool isContiguousMask(std::uint32_t mask);
    // Not "this network" (0/8), loopback (127/8), multicast (224/4) or reserved (240/4, the
    // limited broadcast among them): a device given one of these is unreachable.
    static bool isAssignable(std::uint32_t address);

    // The subnet of address under mask, which isContiguousMask should accept.
    Ipv4Subnet(std::uint32_t address, std::uint32_t mask);

    std::uint32_t network() const { return networkAddress; }
    std::uint32_t broadcast() const { return networkAddress | ~mask; }
    // The number of ones in a contiguous mask: 24 for 255.255.255.0.
    int prefixLength() const;
    bool contains(std::uint32_t address) const { return (address & mask) == networkAddress; }
    // An assignable address inside the subnet that is neither its network nor its broadcast
    // address, so a device there reaches its neighbours and its gateway.
    bool isUsableHost(std::uint32_t address) const;
    // The highest usable host; meaningless for a /32, which has none.
    std::uint32_t lastHost() const;

private:
    std::uint32_t mask;
    std::uint32_t networkAddress;
};
