#include "ipplan.h"

#include "ipv4_subnet.h"

namespace {

QString dotted(quint32 address) {
    return QHostAddress(address).toString();
}

// The subnet as the warnings name it: 192.168.1.0/24.
QString cidr(const Ipv4Subnet& subnet) {
    return QStringLiteral("%1/%2").arg(dotted(subnet.network())).arg(subnet.prefixLength());
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
    if (!Ipv4Subnet::isContiguousMask(mask))
        return tr("%1 is not a valid subnet mask.").arg(start.mask.toString());
    const quint32 ip = start.ip.toIPv4Address();
    if (!Ipv4Subnet::isAssignable(ip))
        return tr("%1 cannot be given to a device.").arg(start.ip.toString());

    const Ipv4Subnet subnet(ip, mask);
    if (!subnet.isUsableHost(ip)) {
        const QString text = ip == subnet.network()
                                 ? tr("%1 is the network address of its subnet %2.")
                                 : tr("%1 is the broadcast address of its subnet %2.");
        return text.arg(start.ip.toString(), cidr(subnet));
    }
    if (!subnet.isUsableHost(start.gateway.toIPv4Address()))
        return tr("The gateway %1 is not a host of the subnet %2.")
            .arg(start.gateway.toString(), cidr(subnet));
    return checkNumbering(start, deviceCount, subnet);
}

QString IPPlan::checkNumbering(const IPSetting& start, int deviceCount,
                               const Ipv4Subnet& subnet) const {
    const quint32 ip = start.ip.toIPv4Address();
    const quint32 fitting = subnet.lastHost() - ip + 1;
    if (!start.sameIP && quint32(deviceCount) > fitting)
        return tr("Numbering from %1 runs past the last address of its subnet %2: only %3 of "
                  "the %4 ticked devices fit.")
            .arg(start.ip.toString(), cidr(subnet))
            .arg(fitting)
            .arg(deviceCount);

    // A device given its gateway's address has no router, and takes the router's address.
    const quint32 addressesGiven = start.sameIP ? 1 : quint32(deviceCount);
    const quint32 gatewayOffset = start.gateway.toIPv4Address() - ip;  // wraps when below ip
    if (gatewayOffset < addressesGiven)
        return tr("The gateway %1 would be the address of a ticked device.")
            .arg(start.gateway.toString());
    return {};
}
