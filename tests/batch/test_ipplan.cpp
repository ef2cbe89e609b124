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
        // The gateway right after the numbered addresses.
        {start("192.168.1.9", "255.255.255.0", "192.168.1.11"),
         2,
         {"192.168.1.9 255.255.255.0 192.168.1.11", "192.168.1.10 255.255.255.0 192.168.1.11"}},
        // A /31 is a point-to-point link: both its addresses are hosts, the camera and its
        // gateway.
        {start("192.168.1.9", "255.255.255.254", "192.168.1.8"),
         1,
         {"192.168.1.9 255.255.255.254 192.168.1.8"}},
        {start("10.0.0.0", "255.255.255.254", "10.0.0.1"),
         1,
         {"10.0.0.0 255.255.255.254 10.0.0.1"}},
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
        {start("192.168.1.8", "255.255.255.254", "192.168.1.9"), 3,
         "only 2 of the 3 ticked devices fit"},
        // The limited broadcast address and the rest of 240/4 are reserved.
        {start("255.255.255.255", "255.255.255.0", "192.168.1.1"), 1, "cannot be given"},
        {start("240.0.0.9", "255.255.255.0", "240.0.0.1"), 1, "cannot be given"},
        // A /32 leaves the camera alone in its subnet, with no neighbour and no gateway.
        {start("192.168.1.9", "255.255.255.255", "192.168.1.9"), 1, "network address"},
        {start("192.168.1.9", "255.255.255.0", "0.0.0.0"), 1, "gateway 0.0.0.0 is not"},
        {start("192.168.1.9", "255.255.255.0", "192.168.1.0"), 1, "gateway 192.168.1.0 is not"},
        // A subnet as wide as 0.0.0.0/1 holds loopback, which no gateway can be.
        {start("100.0.0.9", "128.0.0.0", "127.0.0.1"), 1, "gateway 127.0.0.1 is not"},
        // A gateway that a device is given as its own address leaves it without a router,
        // and takes the router's address away.
        {start("192.168.1.9", "255.255.255.0", "192.168.1.9", true), 3,
         "gateway 192.168.1.9 would be the address of a ticked device"},
        {start("192.168.1.9", "255.255.255.0", "192.168.1.11"), 3,
         "gateway 192.168.1.11 would be the address of a ticked device"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.says);
        const IPPlan plan(c.start, c.devices);
        EXPECT_TRUE(plan.problem().contains(c.says)) << plan.problem().toStdString();
        EXPECT_TRUE(plan.settings().isEmpty());
    }
}
