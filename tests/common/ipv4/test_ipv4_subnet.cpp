// Which masks, subnets and host addresses a camera can be given: one row per case, the row
// named in each failure.
#include <arpa/inet.h>
#include <gtest/gtest.h>

#include <cstdint>

#include "ipv4_subnet.h"

namespace {

// The host-order number of a dotted quad.
std::uint32_t ip(const char* dotted) {
    in_addr address{};
    EXPECT_EQ(inet_pton(AF_INET, dotted, &address), 1) << dotted;
    return ntohl(address.s_addr);
}

}  // namespace

TEST(Ipv4Subnet, MaskIsOnesThenZeros) {
    const struct {
        const char* mask;
        bool contiguous;
    } cases[] = {
        {"255.255.255.0", true},    {"255.255.255.255", true}, {"255.255.255.254", true},
        {"128.0.0.0", true},        {"255.255.240.0", true},   {"0.0.0.0", false},
        {"255.0.255.0", false},     {"0.255.255.255", false},  {"255.255.255.253", false},
        {"255.255.254.255", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mask);
        EXPECT_EQ(Ipv4Subnet::isContiguousMask(ip(c.mask)), c.contiguous);
    }
}

TEST(Ipv4Subnet, AssignableAddressesAreUnicastOutsideTheSpecialRanges) {
    const struct {
        const char* address;
        bool assignable;
    } cases[] = {
        {"1.0.0.0", true},          {"10.77.1.60", true},       {"126.255.255.255", true},
        {"128.0.0.1", true},        {"223.255.255.254", true},  {"0.0.0.0", false},
        {"0.255.1.2", false},       {"127.0.0.1", false},       {"127.255.255.255", false},
        {"224.0.0.1", false},       {"239.255.255.255", false}, {"240.0.0.1", false},
        {"255.255.255.255", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.address);
        EXPECT_EQ(Ipv4Subnet::isAssignable(ip(c.address)), c.assignable);
    }
}

TEST(Ipv4Subnet, NetworkBroadcastPrefixAndLastHost) {
    const struct {
        const char* address;
        const char* mask;
        const char* network;
        const char* broadcast;
        int prefix;
        const char* lastHost;
    } cases[] = {
        {"192.168.1.20", "255.255.255.0", "192.168.1.0", "192.168.1.255", 24, "192.168.1.254"},
        {"10.0.1.254", "255.255.0.0", "10.0.0.0", "10.0.255.255", 16, "10.0.255.254"},
        {"10.77.1.125", "255.255.255.128", "10.77.1.0", "10.77.1.127", 25, "10.77.1.126"},
        {"172.16.5.6", "255.255.255.252", "172.16.5.4", "172.16.5.7", 30, "172.16.5.6"},
        // On a /31 both addresses are hosts, the upper one the last.
        {"192.168.1.8", "255.255.255.254", "192.168.1.8", "192.168.1.9", 31, "192.168.1.9"},
        {"100.0.0.9", "128.0.0.0", "0.0.0.0", "127.255.255.255", 1, "127.255.255.254"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.address) + " " + c.mask);
        const Ipv4Subnet subnet(ip(c.address), ip(c.mask));
        EXPECT_EQ(subnet.network(), ip(c.network));
        EXPECT_EQ(subnet.broadcast(), ip(c.broadcast));
        EXPECT_EQ(subnet.prefixLength(), c.prefix);
        EXPECT_EQ(subnet.lastHost(), ip(c.lastHost));
    }
}

TEST(Ipv4Subnet, UsableHostsAreAssignableAddressesInsideBetweenNetworkAndBroadcast) {
    const struct {
        const char* subnetOf;
        const char* mask;
        const char* address;
        bool inside;
        bool usable;
    } cases[] = {
        {"192.168.1.20", "255.255.255.0", "192.168.1.1", true, true},
        {"192.168.1.20", "255.255.255.0", "192.168.1.254", true, true},
        {"192.168.1.20", "255.255.255.0", "192.168.1.0", true, false},
        {"192.168.1.20", "255.255.255.0", "192.168.1.255", true, false},
        {"192.168.1.20", "255.255.255.0", "192.168.2.1", false, false},
        {"192.168.1.20", "255.255.255.0", "0.0.0.0", false, false},
        {"10.0.1.254", "255.255.0.0", "10.0.2.0", true, true},
        {"172.16.5.6", "255.255.255.252", "172.16.5.5", true, true},
        {"172.16.5.6", "255.255.255.252", "172.16.5.7", true, false},
        // A point-to-point /31 has no network or broadcast address.
        {"192.168.1.9", "255.255.255.254", "192.168.1.8", true, true},
        {"192.168.1.9", "255.255.255.254", "192.168.1.9", true, true},
        {"192.168.1.9", "255.255.255.254", "192.168.1.10", false, false},
        // A /32 leaves a device alone: no neighbour and no gateway.
        {"192.168.1.9", "255.255.255.255", "192.168.1.9", true, false},
        // Wide subnets hold the special ranges, whose addresses stay unusable.
        {"100.0.0.9", "128.0.0.0", "127.0.0.1", true, false},
        {"100.0.0.9", "128.0.0.0", "0.1.2.3", true, false},
        {"200.0.0.9", "192.0.0.0", "224.0.0.1", true, false},
        {"200.0.0.9", "192.0.0.0", "245.0.0.1", true, false},
        {"200.0.0.9", "192.0.0.0", "223.0.0.1", true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.address) + " in the subnet of " + c.subnetOf + " " + c.mask);
        const Ipv4Subnet subnet(ip(c.subnetOf), ip(c.mask));
        EXPECT_EQ(subnet.contains(ip(c.address)), c.inside);
        EXPECT_EQ(subnet.isUsableHost(ip(c.address)), c.usable);
    }
}
