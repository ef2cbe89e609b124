// What one "Set IP" sends: numbered or shared addresses inside the start's subnet, or a
// refusal that sends nothing.
#include <gtest/gtest.h>

#include <QStringList>

#include "ipplan.h"

namespace {

IPSetting start(const char* ip, const char* mask, const char* gateway, bool sameIP = false) {
    return {QHostAddress(ip), QHostAddress(mask), QHostAddress(gateway), sameIP};
}

// "address mask gateway" of each planned device.
QStringList planned(const IPPlan& plan) {
    QStringList devices;
    for (const IPSetting& setting : plan.settings())
        devices << setting.ip.toString() + " " + setting.mask.toString() + " " +
                       setting.gateway.toString();
    return devices;
}

}  // namespace

TEST(IPPlan, NumbersUpToTheSubnetsLastHost) {
    const struct {
        IPSetting start;
        int devices;
        QStringList expected;
    } cases[] = {
        {start("192.168.1.253", "255.255.255.0", "192.168.1.1"),
         2,
         {"192.168.1.253 255.255.255.0 192.168.1.1", "192.168.1.254 255.255.255.0 192.168.1.1"}},
        // In a wider subnet numbering carries on past a /24 with the same gateway.
        {start("10.0.1.254", "255.255.0.0", "10.0.0.1"),
         3,
         {"10.0.1.254 255.255.0.0 10.0.0.1", "10.0.1.255 255.255.0.0 10.0.0.1",
          "10.0.2.0 255.255.0.0 10.0.0.1"}},
        {start("192.168.1.254", "255.255.255.0", "192.168.1.1", true),
         3,
         {"192.168.1.254 255.255.255.0 192.168.1.1", "192.168.1.254 255.255.255.0 192.168.1.1",
          "192.168.1.254 255.255.255.0 192.168.1.1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected.first().toStdString());
        const IPPlan plan(c.start, c.devices);
        EXPECT_FALSE(plan.isRefused()) << plan.problem().toStdString();
        EXPECT_EQ(planned(plan), c.expected);
    }
}

TEST(IPPlan, RefusedStartsPlanNothing) {
    const struct {
        IPSetting start;
        int devices;
        const char* says;
    } cases[] = {
        {start("192.168.1.253", "255.255.255.0", "192.168.1.1"), 3,
         "only 2 of the 3 ticked devices fit"},
        {start("255.255.255.255", "255.255.255.0", "192.168.1.1"), 1, "broadcast address"},
        {start("192.168.1.9", "255.255.255.255", "192.168.1.9"), 1, "network address"},
        {start("192.168.1.9", "255.255.255.254", "192.168.1.8"), 1, "broadcast address"},
        {start("192.168.1.9", "255.255.255.0", "0.0.0.0"), 1, "gateway 0.0.0.0 is not"},
        {start("192.168.1.9", "255.255.255.0", "192.168.1.0"), 1, "gateway 192.168.1.0 is not"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.says);
        const IPPlan plan(c.start, c.devices);
        EXPECT_TRUE(plan.problem().contains(c.says)) << plan.problem().toStdString();
        EXPECT_TRUE(plan.settings().isEmpty());
    }
}
