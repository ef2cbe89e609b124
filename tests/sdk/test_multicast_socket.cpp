#include <gtest/gtest.h>

#include <string>

#include "camsim_fixture.h"
#include "platform/client_id.h"
#include "platform/clock.h"
#include "platform/multicast_socket.h"

namespace {

using netsdk::platform::MulticastSocket;

constexpr char kGroup[] = "239.255.255.250";
constexpr uint16_t kPort = 19128;

std::string searchRequest(const std::string& clientId) {
    return "Objective:IPC\r\nCseq:1\r\nAction:SEARCH\r\nDeviceID:" + clientId +
           "\r\nSDKversion:2.0\r\nAcceptEncoding:None\r\nContxtType:JSON\r\nBodySize:0\r\n\r\n";
}

// Collects the datagrams that reach socket within timeoutMs.
std::vector<std::string> receiveFor(MulticastSocket& socket, int timeoutMs) {
    std::vector<std::string> received;
    const uint64_t deadline = netsdk::platform::monotonicMilliseconds() + timeoutMs;
    for (uint64_t now = netsdk::platform::monotonicMilliseconds(); now < deadline;
         now = netsdk::platform::monotonicMilliseconds()) {
        char buffer[2048];
        sockaddr_in source{};
        const int n =
            socket.receive(buffer, sizeof buffer, static_cast<int>(deadline - now), &source);
        if (n > 0) {
            received.emplace_back(buffer, n);
        }
    }
    return received;
}

TEST(ClientId, IsZrAndThirtyLetters) {
    const std::string id = netsdk::platform::makeClientId(12345);
    ASSERT_EQ(id.size(), 32u);
    EXPECT_EQ(id.substr(0, 2), "ZR");
    for (char c : id.substr(2)) {
        EXPECT_TRUE((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) << id;
    }
    EXPECT_EQ(id, netsdk::platform::makeClientId(12345));
    EXPECT_NE(id, netsdk::platform::makeClientId(12346));
}

TEST(MulticastSocket, RefusesAnAddressThatIsNotLocal) {
    EXPECT_EQ(MulticastSocket::open(camsim::hostOrder("192.0.2.1"), kGroup, kPort), nullptr);
    EXPECT_EQ(MulticastSocket::open(camsim::hostOrder("127.0.0.1"), "not a group", kPort), nullptr);
}

// Each local address hears only the cameras of its own link, although both sockets are
// bound to the same port on any address.
TEST(MulticastSocket, HearsOnlyItsOwnLink) {
    if (!camsim::testbedPresent()) {
        GTEST_SKIP() << "needs the test bed (scripts/testbed-run)";
    }
    camsim::Simulator sim(camsim::Where::CameraNetwork);
    sim.start(R"({"cameras": [)" + camsim::camera("LINK1", sim.address(10, 1)) + "," +
              camsim::camera("LINK2", sim.address(10, 2)) + "]}");

    auto link1 =
        MulticastSocket::open(camsim::hostOrder(camsim::testbedLocalAddress(1)), kGroup, kPort);
    auto link2 =
        MulticastSocket::open(camsim::hostOrder(camsim::testbedLocalAddress(2)), kGroup, kPort);
    ASSERT_NE(link1, nullptr);
    ASSERT_NE(link2, nullptr);
    const std::string request = searchRequest("ZRtestClientOnLinkOne0000000000");
    ASSERT_EQ(link1->sendToGroup(request.data(), request.size(), 2000), 0);

    const std::vector<std::string> heard1 = receiveFor(*link1, 300);
    ASSERT_EQ(heard1.size(), 1u);
    EXPECT_NE(heard1[0].find("DeviceID:LINK1\r\n"), std::string::npos) << heard1[0];
    EXPECT_TRUE(receiveFor(*link2, 50).empty());

    const auto searches =
        sim.journal([](const camsim::JournalEntry& e) { return e.text("action") == "SEARCH"; });
    ASSERT_EQ(searches.size(), 1u);
    EXPECT_EQ(searches[0].text("text"), request);
    EXPECT_EQ(searches[0].text("source"), camsim::testbedLocalAddress(1));
    EXPECT_EQ(searches[0].number("port"), kPort);
}

}  // namespace
