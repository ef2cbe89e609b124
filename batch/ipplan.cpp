#include "ipplan.h"

namespace {

// 0.0.0.0/8 means "this network", 127.0.0.0/8 loopback, 224.0.0.0/4 multicast: a camera
// given one of these is unreachable.
constexpr quint32 kThisNetwork = 0x00000000;
constexpr quint32 kLoopback = 0x7F000000;
constexpr quint32 kClassAMask = 0xFF000000;
constexpr quint32 kMulticast = 0xE0000000;
constexpr quint32 kMulticastMask = 0xF0000000;

// A mask is ones followed by zeros, with at least one one.
bool isContiguousMask(quint32 mask) {
    const quint32 hostBits = ~mask;
    return mask != 0 && (hostBits & (hostBits + 1)) == 0;
}

int prefixLength(quint32 mask) {
    int length = 0;
    for (quint32 bits = mask; bits != 0; bits <<= 1)
        ++length;
    return length;
}

QString dotted(quint32 address) {
    return QHostAddress(address).toString();
}

}  // namespace

IPPlan::IPPlan(const IPSetting& start, int deviceCount) : refusal(check(start, deviceCount)) {
    if (isRefused())
        return;
    IPSetting next = start;
    for (int device = 0; device < deviceCount; ++device) {
        planned << next;
        if (!next.sameIP)
            next.ip = QHostAddress(next.ip.toIPv4Address() + 1);
    }
}

QString IPPlan::check(const IPSetting& start, int deviceCount) const {
    const quint32 mask = start.mask.toIPv4Address();
    if (!isContiguousMask(mask))
        return tr("%1 is not a valid subnet mask.").arg(start.mask.toString());
    const quint32 ip = start.ip.toIPv4Address();
    if ((ip & kClassAMask) == kThisNetwork || (ip & kClassAMask) == kLoopback ||
        (ip & kMulticastMask) == kMulticast)
        return tr("%1 cannot be given to a device.").arg(start.ip.toString());

    const quint32 network = ip & mask;
    const quint32 broadcast = network | ~mask;
    const QString subnet = QStringLiteral("%1/%2").arg(dotted(network)).arg(prefixLength(mask));
    if (ip == network)
        return tr("%1 is the network address of its subnet %2.").arg(start.ip.toString(), subnet);
    if (ip == broadcast)
        return tr("%1 is the broadcast address of its subnet %2.").arg(start.ip.toString(), subnet);
    const quint32 gateway = start.gateway.toIPv4Address();
    if ((gateway & mask) != network || gateway == network || gateway == broadcast)
        return tr("The gateway %1 is not a host of the subnet %2.")
            .arg(start.gateway.toString(), subnet);

    // The last host of the subnet is the one before its broadcast address.
    const quint32 fitting = broadcast - ip;
    if (!start.sameIP && quint32(deviceCount) > fitting)
        return tr("Numbering from %1 runs past the last address of its subnet %2: only %3 of "
                  "the %4 ticked devices fit.")
            .arg(start.ip.toString(), subnet)
            .arg(fitting)
            .arg(deviceCount);
    return {};
}
