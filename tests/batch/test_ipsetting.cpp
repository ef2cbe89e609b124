// Numbering of addresses for IP changes: the next device's address and gateway.
#include <gtest/gtest.h>

#include <QStringList>

#include "ipsetting.h"

namespace {

// "address gateway" of the first count devices, starting at start.
QStringList numbered(const char* start, const char* gateway, int count, bool sameIP) {
    const QHostAddress mask("255.255.255.0");
    IPSetting setting{QHostAddress(start), mask, QHostAddress(gateway), sameIP};
    QStringList steps;
    for (int i = 0; i < count; ++i, setting = setting.next()) {
        EXPECT_EQ(setting.mask, mask);
        steps << setting.ip.toString() + " " + setting.gateway.toString();
    }
    return steps;
}

}  // namespace

TEST(IPSetting, NumberingSkipsBroadcastAndCarriesGateway) {
    EXPECT_EQ(numbered("192.168.1.253", "192.168.1.1", 4, false),
              (QStringList{"192.168.1.253 192.168.1.1", "192.168.1.254 192.168.1.1",
                           "192.168.2.2 192.168.2.1", "192.168.2.3 192.168.2.1"}));
}

TEST(IPSetting, CarryCrossesIntoTheNextSixteen) {
    EXPECT_EQ(numbered("10.0.255.254", "10.0.255.254", 2, false),
              (QStringList{"10.0.255.254 10.0.255.254", "10.1.0.2 10.1.0.254"}));
}

TEST(IPSetting, SameIPGivesEveryDeviceTheSameSetting) {
    EXPECT_EQ(numbered("192.168.1.254", "192.168.1.1", 3, true),
              (QStringList{"192.168.1.254 192.168.1.1", "192.168.1.254 192.168.1.1",
                           "192.168.1.254 192.168.1.1"}));
}
