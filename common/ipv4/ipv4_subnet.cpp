#include "ipv4_subnet.h"

namespace {

// A /31 is a point-to-point link: it has no network or broadcast address, and both of its
// addresses are hosts.
constexpr int kPointToPointPrefix = 31;
// A /32 holds only the device itself: no neighbour, and no gateway inside it.
constexpr int kSingleAddressPrefix = 32;

}  // namespace

bool Ipv4Subnet::isContiguousMask(std::uint32_t mask) {
    const std::uint32_t hostBits = ~mask;
    return mask != 0 && (hostBits & (hostBits + 1)) == 0;
}

bool Ipv4Subnet::isAssignable(std::uint32_t address) {
    const std::uint32_t firstOctet = address >> 24;
    constexpr std::uint32_t kThisNetwork = 0, kLoopback = 127, kFirstMulticast = 224;
    return firstOctet != kThisNetwork && firstOctet != kLoopback && firstOctet < kFirstMulticast;
}

Ipv4Subnet::Ipv4Subnet(std::uint32_t address, std::uint32_t mask)
    : mask(mask), networkAddress(address & mask) {}

int Ipv4Subnet::prefixLength() const {
    int length = 0;
    for (std::uint32_t bits = mask; bits != 0; bits <<= 1)
        ++length;
    return length;
}

bool Ipv4Subnet::isUsableHost(std::uint32_t address) const {
    if (!isAssignable(address) || !contains(address))
        return false;
    switch (prefixLength()) {
        case kSingleAddressPrefix:
            return false;
        case kPointToPointPrefix:
            return true;
        default:
            return address != network() && address != broadcast();
    }
}

std::uint32_t Ipv4Subnet::lastHost() const {
    return prefixLength() == kPointToPointPrefix ? broadcast() : broadcast() - 1;
}
