// Multicast search, network setting and commands against camsim in the test bed.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "camsim_fixture.h"
#include "netsdk.h"

namespace {

using Clock = std::chrono::steady_clock;

long long millisecondsSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

struct Collected {
    std::vector<NETSDK_SEARCH_DEVICE_INFO> devices;
    int stopAfter = 0;  // the callback returns nonzero once it has seen this many (0: never)
};

int collect(int ackType, NETSDK_SEARCH_DEVICE_INFO* device, void* user) {
    auto* collected = static_cast<Collected*>(user);
    EXPECT_EQ(ackType, 1);
    collected->devices.push_back(*device);
    return collected->stopAfter != 0 &&
           static_cast<int>(collected->devices.size()) >= collected->stopAfter;
}

// Device ID -> how many times it was reported.
std::map<std::string, int> countById(const std::vector<NETSDK_SEARCH_DEVICE_INFO>& devices) {
    std::map<std::string, int> counts;
    for (const auto& device : devices) {
        ++counts[device.deviceId];
    }
    return counts;
}

const NETSDK_SEARCH_DEVICE_INFO* byId(const std::vector<NETSDK_SEARCH_DEVICE_INFO>& devices,
                                      const std::string& id) {
    for (const auto& device : devices) {
        if (id == device.deviceId) {
            return &device;
        }
    }
    return nullptr;
}

class Search : public ::testing::Test {
protected:
    void SetUp() override {
        if (!camsim::testbedPresent()) {
            GTEST_SKIP() << "needs the test bed (scripts/testbed-run)";
        }
        sim_ = std::make_unique<camsim::Simulator>(camsim::Where::CameraNetwork);
    }

    void startCameras(const std::vector<std::string>& cameras) {
        std::string config = R"({"cameras": [)";
        for (size_t i = 0; i < cameras.size(); ++i) {
            config += (i ? "," : "") + cameras[i];
        }
        sim_->start(config + "]}");
    }

    Collected search(int link, int stopAfter = 0) {
        Collected collected;
        collected.stopAfter = stopAfter;
        EXPECT_EQ(NETSDK_SearchDevice(collect, &collected, 1, local(link)), 0);
        return collected;
    }

    static unsigned local(int link) { return camsim::hostOrder(camsim::testbedLocalAddress(link)); }

    std::vector<camsim::JournalEntry> received(const std::string& action) const {
        return sim_->journal(
            [&](const camsim::JournalEntry& e) { return e.text("action") == action; });
    }

    std::unique_ptr<camsim::Simulator> sim_;
};

const char kRequestHead[] =
    "Objective:%s\r\nCseq:%d\r\nAction:%s\r\nDeviceID:(ZR[A-Za-z]{30})\r\nSDKversion:2\\.0\r\n"
    "AcceptEncoding:None\r\nContxtType:JSON\r\nBodySize:%d\r\n\r\n";

std::string requestPattern(const std::string& objective, int cseq, const char* action,
                           int bodySize) {
    char pattern[512];
    std::snprintf(pattern, sizeof pattern, kRequestHead, objective.c_str(), cseq, action, bodySize);
    return pattern;
}

TEST_F(Search, FindsExactlyTheCamerasOfItsOwnLinkWithTheExactRequest) {
    startCameras({camsim::camera("LINK1-A", sim_->address(10, 1)),
                  camsim::camera("LINK1-B", sim_->address(11, 1)),
                  camsim::camera("LINK2-A", sim_->address(10, 2)),
                  // Another network on link 1: found there, though not local.
                  camsim::camera("LINK1-OTHER-NET", sim_->address(10, 3))});

    const Collected link1 = search(1);
    const Collected link2 = search(2);

    EXPECT_EQ(countById(link1.devices),
              (std::map<std::string, int>{{"LINK1-A", 1}, {"LINK1-B", 1}, {"LINK1-OTHER-NET", 1}}));
    EXPECT_EQ(countById(link2.devices), (std::map<std::string, int>{{"LINK2-A", 1}}));

    const auto searches = received("SEARCH");
    ASSERT_EQ(searches.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(std::regex_match(searches[i].text("text"),
                                     std::regex(requestPattern("IPC", 1, "SEARCH", 0))))
            << searches[i].text("text");
        EXPECT_EQ(searches[i].text("source"), camsim::testbedLocalAddress(i + 1));
        EXPECT_EQ(searches[i].number("port"), 19128);
    }
}

// The raw record, read at the offsets that callers rely on.
std::string textAt(const NETSDK_SEARCH_DEVICE_INFO& device, size_t offset) {
    return reinterpret_cast<const char*>(&device) + offset;
}

int32_t intAt(const NETSDK_SEARCH_DEVICE_INFO& device, size_t offset) {
    int32_t value;
    std::memcpy(&value, reinterpret_cast<const char*>(&device) + offset, sizeof value);
    return value;
}

bool zeroBetween(const NETSDK_SEARCH_DEVICE_INFO& device, size_t from, size_t to) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(&device);
    for (size_t i = from; i < to; ++i) {
        if (bytes[i] != 0) {
            return false;
        }
    }
    return true;
}

TEST_F(Search, FillsEveryFieldOfTheRecordAtItsOffset) {
    const std::string nics = R"("nics": [
        {"name": "eth0", "ip": ")" +
                             sim_->address(20) + R"(", "mask": "255.255.255.0",
         "gateway": "10.77.1.1", "mac": "00:12:34:00:00:14", "dhcp": 1, "all_net_connect": true},
        {"name": "wlan0", "ip": "192.168.5.20", "mask": "255.255.0.0", "gateway": "192.168.5.1",
         "mac": "00:12:34:00:00:15", "dhcp": 0, "all_net_connect": false},
        {"name": "eth9", "ip": "172.16.0.20", "mask": "255.240.0.0", "gateway": "172.16.0.1",
         "mac": "00:12:34:00:00:16", "dhcp": 1}])";
    startCameras({
        camsim::camera("FULL", sim_->address(20),
                       R"("model": 7, "device_name": "Gate camera", "hardware_version": "HW-2.1",
                          "firmware_version": "FW-3.4.5", "uid": "SERIAL0001",
                          "uuid": "CLOUD0001", "user": "operator", "password": "pa55",
                          "http_port": 8080, "stream_port": 1700, "dns1": "10.77.1.53",
                          "dns2": "10.77.1.54", )" +
                           nics),
        camsim::camera("BARE", sim_->address(21),
                       R"("faults": {"omit_keys": ["NetWork", "UserName", "Password"]})"),
        camsim::camera("PLAIN", sim_->address(22)),
    });

    const Collected found = search(1);
    ASSERT_EQ(found.devices.size(), 3u);

    const NETSDK_SEARCH_DEVICE_INFO* full = byId(found.devices, "FULL");
    ASSERT_NE(full, nullptr);
    const struct {
        size_t offset;
        std::string text;
    } texts[] = {
        {0, "FULL"},
        {164, "Gate camera"},
        {228, "HW-2.1"},
        {260, "FW-3.4.5"},
        {292, "SERIAL0001"},
        {324, "CLOUD0001"},
        {556, "10.77.1.53"},
        {620, "10.77.1.54"},
        {684, "eth0"},
        {700, sim_->address(20)},
        {716, "255.255.255.0"},
        {732, "10.77.1.1"},
        {748, "00:12:34:00:00:14"},
        {780, "wlan0"},
        {796, "192.168.5.20"},
        {812, "255.255.0.0"},
        {828, "192.168.5.1"},
        {844, "00:12:34:00:00:15"},
        {940, "operator"},
        {972, "pa55"},
    };
    for (const auto& field : texts) {
        EXPECT_EQ(textAt(*full, field.offset), field.text) << "offset " << field.offset;
    }
    const struct {
        size_t offset;
        int32_t value;
    } numbers[] = {{64, 7},  {548, 8080}, {552, 1700}, {772, 1},
                   {776, 1}, {868, 0},    {872, 2},    {1076, 0}};
    for (const auto& field : numbers) {
        EXPECT_EQ(intAt(*full, field.offset), field.value) << "offset " << field.offset;
    }
    // Reserved areas, and no third interface spilling past the two slots.
    const std::pair<size_t, size_t> reserved[] = {
        {68, 164}, {196, 228}, {356, 548}, {876, 940}, {1004, 1076}};
    for (const auto& [from, to] : reserved) {
        EXPECT_TRUE(zeroBetween(*full, from, to)) << from << ".." << to;
    }

    const NETSDK_SEARCH_DEVICE_INFO* bare = byId(found.devices, "BARE");
    ASSERT_NE(bare, nullptr);
    EXPECT_EQ(bare->httpPort, 80);
    EXPECT_EQ(bare->streamPort, 1680);
    EXPECT_STREQ(bare->user, "admin");
    EXPECT_STREQ(bare->password, "");
    EXPECT_TRUE(zeroBetween(*bare, 684, 876)) << "no interfaces";

    const NETSDK_SEARCH_DEVICE_INFO* plain = byId(found.devices, "PLAIN");
    ASSERT_NE(plain, nullptr);
    EXPECT_STREQ(plain->nic[0].ip, sim_->address(22).c_str());
    EXPECT_EQ(plain->nic[0].allNetConnect, 0) << "not given";
}

TEST_F(Search, SkipsForeignAndMalformedDatagramsAndKeepsCollecting) {
    std::vector<std::string> cameras;
    std::map<std::string, int> expected;
    int host = 30;
    const auto add = [&](const std::string& id, const std::string& faults) {
        cameras.push_back(
            camsim::camera(id, sim_->address(host++), R"("faults": {)" + faults + "}"));
        expected[id] = 1;
    };
    // A foreign datagram or a broken answer reaches the client first, then the real answer.
    add("FOREIGN-SEARCH", R"("foreign_first": "search")");
    add("FOREIGN-ACK", R"("foreign_first": "other_client_ack")");
    for (const char* kind :
         {"negative_size", "huge_size", "text_size", "short_body", "bad_json", "no_size"}) {
        add(std::string("MALFORMED-") + kind,
            R"("malformed_ack_first": ")" + std::string(kind) + "\"");
    }
    add("CASE-SWAPPED", R"("objective_case": "swap")");
    add("UNICAST", R"("unicast_answer": true)");
    startCameras(cameras);

    const Collected found = search(1);

    EXPECT_EQ(countById(found.devices), expected);
}

TEST_F(Search, ASteadyStreamOfTrafficDoesNotHoldTheSearchOpen) {
    startCameras({camsim::camera("FLOOD", sim_->address(40), R"("faults": {"flood_seconds": 3})")});

    const auto start = Clock::now();
    const Collected found = search(1);

    EXPECT_LT(millisecondsSince(start), 1500);
    EXPECT_EQ(countById(found.devices), (std::map<std::string, int>{{"FLOOD", 1}}));
}

TEST_F(Search, WithoutAnswersReturnsJustAfterTheTimeout) {
    startCameras({camsim::camera("SILENT", sim_->address(41), R"("faults": {"silent": true})")});

    const auto start = Clock::now();
    const Collected found = search(1);

    const long long elapsed = millisecondsSince(start);
    EXPECT_GE(elapsed, 1000);
    EXPECT_LT(elapsed, 1300);
    EXPECT_TRUE(found.devices.empty());
    EXPECT_EQ(received("SEARCH").size(), 1u);
}

TEST_F(Search, ACallbackThatReturnsNonzeroEndsTheSearch) {
    startCameras({camsim::camera("STOP-A", sim_->address(42)),
                  camsim::camera("STOP-B", sim_->address(43)),
                  camsim::camera("STOP-C", sim_->address(44))});

    const auto start = Clock::now();
    const Collected found = search(1, 1);

    EXPECT_EQ(found.devices.size(), 1u);
    EXPECT_LT(millisecondsSince(start), 900);
}

struct Acks {
    std::vector<std::pair<int, std::string>> received;  // (status, device ID)
};

int collectAck(int status, const char* deviceId, void* user) {
    static_cast<Acks*>(user)->received.emplace_back(status, deviceId);
    return 1;  // ignored: acknowledgements never end the collection
}

NETSDK_SEARCH_DEVICE_INFO setnetRecord(const std::string& id, const std::string& ip,
                                       int allNetConnect) {
    NETSDK_SEARCH_DEVICE_INFO device{};
    std::snprintf(device.deviceId, sizeof device.deviceId, "%s", id.c_str());
    std::strcpy(device.nic[0].name, "eth0");
    std::snprintf(device.nic[0].ip, sizeof device.nic[0].ip, "%s", ip.c_str());
    std::strcpy(device.nic[0].mask, "255.255.255.0");
    std::strcpy(device.nic[0].gateway, "10.77.1.254");
    device.nic[0].allNetConnect = allNetConnect;
    return device;
}

TEST_F(Search, SetDeviceConfigSendsOneSetnetPerRecordAndReportsTheAcknowledgements) {
    startCameras({camsim::camera("NET-A", sim_->address(50)),
                  camsim::camera("NET-B", sim_->address(51), R"("faults": {"setnet_status": 7})")});
    const NETSDK_SEARCH_DEVICE_INFO devices[] = {setnetRecord("NET-A", "10.77.1.150", 1),
                                                 setnetRecord("NET-B", "10.77.1.151", 0)};
    Acks acks;

    EXPECT_EQ(NETSDK_SetDeviceConfig(collectAck, &acks, devices, 2, 1, local(1)), 0);

    EXPECT_EQ(acks.received,
              (std::vector<std::pair<int, std::string>>{{0, "NET-A"}, {7, "NET-B"}}));
    const auto setnets = received("SETNET");
    ASSERT_EQ(setnets.size(), 2u);
    const std::string bodies[] = {
        "{\n\t\"NetWork\":\t{\n\t\t\"NIC\":\t[{\n\t\t\t\t\"Name\":\t\"eth0\",\n"
        "\t\t\t\t\"IP\":\t\"10.77.1.150\",\n\t\t\t\t\"NetMask\":\t\"255.255.255.0\",\n"
        "\t\t\t\t\"GateWay\":\t\"10.77.1.254\",\n\t\t\t\t\"AllNetConnect\":\ttrue\n"
        "\t\t\t}]\n\t}\n}",
        "{\n\t\"NetWork\":\t{\n\t\t\"NIC\":\t[{\n\t\t\t\t\"Name\":\t\"eth0\",\n"
        "\t\t\t\t\"IP\":\t\"10.77.1.151\",\n\t\t\t\t\"NetMask\":\t\"255.255.255.0\",\n"
        "\t\t\t\t\"GateWay\":\t\"10.77.1.254\"\n\t\t\t}]\n\t}\n}",
    };
    std::string clientIds[2];
    for (int i = 0; i < 2; ++i) {
        const std::string text = setnets[i].text("text");
        const std::string pattern = requestPattern(i == 0 ? "NET-A" : "NET-B", i + 1, "SETNET",
                                                   static_cast<int>(bodies[i].size()));
        const std::string head = text.substr(0, text.size() - bodies[i].size() - 2);
        std::smatch match;
        EXPECT_TRUE(std::regex_match(head, match, std::regex(pattern))) << text;
        clientIds[i] = match.size() > 1 ? match[1].str() : "";
        EXPECT_EQ(text.substr(head.size()), bodies[i] + "\r\n");
    }
    EXPECT_EQ(clientIds[0], clientIds[1]) << "one client ID for the whole call";

    // The camera took its new address: the next search shows it.
    const Collected found = search(1);
    const NETSDK_SEARCH_DEVICE_INFO* moved = byId(found.devices, "NET-A");
    ASSERT_NE(moved, nullptr);
    EXPECT_STREQ(moved->nic[0].ip, "10.77.1.150");
    EXPECT_STREQ(moved->nic[0].gateway, "10.77.1.254");
    EXPECT_EQ(moved->nic[0].allNetConnect, 1);
}

TEST_F(Search, ProductCommandSendsEachCommandAndReportsTheAcknowledgements) {
    startCameras({camsim::camera("CMD-A", sim_->address(60)),
                  camsim::camera("CMD-B", sim_->address(61), R"("faults": {"command_status": 5})"),
                  camsim::camera("CMD-C", sim_->address(62))});
    NETSDK_PRODUCT_COMMAND commands[3] = {};
    const std::pair<const char*, uint32_t> wanted[] = {
        {"CMD-A", 513}, {"CMD-B", 0}, {"CMD-C", 2050}};
    for (int i = 0; i < 3; ++i) {
        std::strcpy(commands[i].deviceId, wanted[i].first);
        commands[i].command = wanted[i].second;
    }
    Acks acks;

    EXPECT_EQ(NETSDK_ProductCommand(collectAck, &acks, commands, 3, 1, local(1)), 0);

    EXPECT_EQ(acks.received,
              (std::vector<std::pair<int, std::string>>{{0, "CMD-A"}, {5, "CMD-B"}, {0, "CMD-C"}}));
    const auto sent = received("COMMAND");
    ASSERT_EQ(sent.size(), 3u);
    const std::string bodies[] = {"{\n\t\"CmdType\":\t\"201\"\n}", "{\n}", "{\n}"};
    for (int i = 0; i < 3; ++i) {
        const std::string text = sent[i].text("text");
        const std::string head = text.substr(0, text.size() - bodies[i].size() - 2);
        EXPECT_TRUE(
            std::regex_match(head, std::regex(requestPattern(wanted[i].first, i + 1, "COMMAND",
                                                             static_cast<int>(bodies[i].size())))))
            << text;
        EXPECT_EQ(text.substr(head.size()), bodies[i] + "\r\n");
    }
}

}  // namespace
