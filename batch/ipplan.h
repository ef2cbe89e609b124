// IPPlan: the settings that one "Set IP" sends, one per ticked device in row order, made
// from the start setting of the modify-IP dialog. The start is checked before anything is
// sent: an address, mask or gateway that would leave a camera unreachable, numbering that
// would run out of the subnet, or a gateway that a device would be given as its own address,
// refuses the whole plan.
#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

#include "ipsetting.h"

class Ipv4Subnet;

class IPPlan {
    Q_DECLARE_TR_FUNCTIONS(IPPlan)
public:
    // With sameIP every device gets start; otherwise the addresses count up from start's,
    // with the same mask and gateway.
    IPPlan(const IPSetting& start, int deviceCount);

    bool isRefused() const { return !refusal.isEmpty(); }
    // Why the start was refused, for the user; empty when the plan can be sent.
    QString problem() const { return refusal; }
    // One setting per device; empty when refused.
    QList<IPSetting> settings() const { return planned; }

private:
    // The mask, the start address and the gateway, then the numbering; empty when all fit.
    QString check(const IPSetting& start, int deviceCount) const;
    QString checkNumbering(const IPSetting& start, int deviceCount, const Ipv4Subnet& subnet) const;

    QString refusal;
    QList<IPSetting> planned;
};
