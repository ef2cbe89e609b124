// IPPlan: the settings that one "Set IP" sends, one per ticked device in row order, made
// from the start setting of the modify-IP dialog. The start is checked before anything is
// sent: an address, mask or gateway that would leave a camera unreachable, or numbering
// that would run out of the subnet, refuses the whole plan.
#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

#include "ipsetting.h"

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
    QString check(const IPSetting& start, int deviceCount) const;

    QString refusal;
    QList<IPSetting> planned;
};
