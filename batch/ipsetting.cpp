#include "ipsetting.h"

namespace {

// Addresses ending in 255 (broadcast), 0 (network) and 1 (the usual gateway) are never
// given to a camera: from x.y.z.255 numbering goes on at x.y.(z+1).2.
constexpr quint32 kStepOverBroadcast = 3;
constexpr quint32 kNextNetwork = 256;

}  // namespace

IPSetting IPSetting::next() const {
    if (sameIP)
        return *this;
    IPSetting following = *this;
    quint32 address = ip.toIPv4Address() + 1;
    quint32 gatewayAddress = gateway.toIPv4Address();
    if ((address & 0xFF) == 0xFF) {
        address += kStepOverBroadcast;
        gatewayAddress += kNextNetwork;
    }
    following.ip = QHostAddress(address);
    if (!gateway.isNull())
        following.gateway = QHostAddress(gatewayAddress);
    return following;
}
