#include <cjson/cJSON.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "json/ipjson_search.h"

namespace {

using Json = std::unique_ptr<cJSON, decltype(&cJSON_Delete)>;

Json parse(const std::string& text) {
    return Json(cJSON_Parse(text.c_str()), cJSON_Delete);
}

NETSDK_NIC_INFO nic(const char* ip, const char* mask, const char* gateway, int allNetConnect) {
    NETSDK_NIC_INFO n{};
    std::strcpy(n.name, "eth0");
    std::strcpy(n.ip, ip);
    std::strcpy(n.mask, mask);
    std::strcpy(n.gateway, gateway);
    n.allNetConnect = allNetConnect;
    return n;
}

TEST(IpJsonModifyIp, WritesTheFirstInterfaceAsTheCameraExpectsIt) {
    const struct {
        NETSDK_NIC_INFO nic;
        const char* expected;  // compact form
    } cases[] = {
        {nic("10.0.0.5", "255.255.255.0", "10.0.0.1", 1),
         R"({"NetWork":{"NIC":[{"Name":"eth0","IP":"10.0.0.5","NetMask":"255.255.255.0","GateWay":"10.0.0.1","AllNetConnect":true}]}})"},
        {nic("10.0.0.5", "", "", 2),
         R"({"NetWork":{"NIC":[{"Name":"eth0","IP":"10.0.0.5","AllNetConnect":false}]}})"},
        {nic("", "", "", 0), R"({"NetWork":{"NIC":[{"Name":"eth0"}]}})"},
    };
    for (const auto& c : cases) {
        const std::string body = IPJSON_MakeJsonModifyIp(c.nic);
        EXPECT_NE(body.find('\n'), std::string::npos) << "printed formatted";
        Json parsed = parse(body);
        ASSERT_TRUE(parsed) << body;
        std::unique_ptr<char, decltype(&cJSON_free)> compact(cJSON_PrintUnformatted(parsed.get()),
                                                             cJSON_free);
        EXPECT_STREQ(compact.get(), c.expected);
    }
}

TEST(IpJsonModifyIp, ReadsAFieldFilledToTheLastByte) {
    NETSDK_NIC_INFO full = nic("", "", "", 0);
    std::memset(full.name, 'N', sizeof full.name);  // no NUL inside the field
    Json parsed = parse(IPJSON_MakeJsonModifyIp(full));
    const cJSON* entry = cJSON_GetArrayItem(
        cJSON_GetObjectItem(cJSON_GetObjectItem(parsed.get(), "NetWork"), "NIC"), 0);
    EXPECT_EQ(std::string(cJSON_GetObjectItem(entry, "Name")->valuestring), std::string(16, 'N'));
}

TEST(IpJsonProductCmd, WritesTheCommandInHexWithinItsRange) {
    const struct {
        uint32_t command;
        const char* expected;
    } cases[] = {{513, R"({"CmdType":"201"})"},
                 {1, R"({"CmdType":"1"})"},
                 {2049, R"({"CmdType":"801"})"},
                 {0, "{}"},
                 {2050, "{}"},
                 {0xFFFFFFFF, "{}"}};
    for (const auto& c : cases) {
        Json parsed = parse(IPJSON_MakeJsonProductCmd(c.command));
        ASSERT_TRUE(parsed);
        std::unique_ptr<char, decltype(&cJSON_free)> compact(cJSON_PrintUnformatted(parsed.get()),
                                                             cJSON_free);
        EXPECT_STREQ(compact.get(), c.expected) << c.command;
    }
}

int parseDevice(const std::string& body, NETSDK_SEARCH_DEVICE_INFO* device) {
    return IPJSON_ParseJsonSearchDevice(body.data(), static_cast<int>(body.size()), device);
}

TEST(IpJsonSearchDevice, FillsTheRecordFromAnAnswer) {
    const std::string body = R"({"Model": 3, "DeviceName": "Gate", "FirmwareVision": "FW2",
        "HardwareVision": "HW1", "UUID": "cloud", "UID": "serial", "UserName": "cm9vdA==",
        "Password": "c2VjcmV0", "Ignored": 1,
        "NetWork": {"HttpPort": 8080, "StreamPort": 1700, "DNS1": "1.1.1.1", "DNS2": "9.9.9.9",
            "NIC": [{"Name": "eth0", "IP": "10.1.1.5", "Mask": "255.255.0.0", "GateWay": "10.1.0.1",
                     "MAC": "00:11:22:33:44:55", "DHCP": 1, "AllNetConnect": 1},
                    {"Name": "wlan0", "AllNetConnect": 0}, {"Name": "third"}]}})";
    NETSDK_SEARCH_DEVICE_INFO d{};
    ASSERT_EQ(parseDevice(body, &d), 0);
    EXPECT_EQ(d.model, 3);
    EXPECT_STREQ(d.deviceName, "Gate");
    EXPECT_STREQ(d.firmwareVersion, "FW2");
    EXPECT_STREQ(d.hardwareVersion, "HW1");
    EXPECT_STREQ(d.uuid, "cloud");
    EXPECT_STREQ(d.uid, "serial");
    EXPECT_STREQ(d.user, "root");
    EXPECT_STREQ(d.password, "secret");
    EXPECT_EQ(d.httpPort, 8080);
    EXPECT_EQ(d.streamPort, 1700);
    EXPECT_STREQ(d.dns1, "1.1.1.1");
    EXPECT_STREQ(d.dns2, "9.9.9.9");
    EXPECT_STREQ(d.nic[0].mask, "255.255.0.0");
    EXPECT_STREQ(d.nic[0].mac, "00:11:22:33:44:55");
    EXPECT_EQ(d.nic[0].dhcp, 1);
    EXPECT_EQ(d.nic[0].allNetConnect, 1);  // a nonzero number counts as true
    EXPECT_STREQ(d.nic[1].name, "wlan0");
    EXPECT_EQ(d.nic[1].allNetConnect, 2);  // zero counts as false
}

TEST(IpJsonSearchDevice, CutsLongTextsToTheirFields) {
    const std::string longName(100, 'x');
    // 40 bytes of password in base64, more than the 31 that fit.
    const std::string longPassword = "MDEyMzQ1Njc4OTAxMjM0NTY3ODkwMTIzNDU2Nzg5MDEyMzQ1Njc4OQ==";
    NETSDK_SEARCH_DEVICE_INFO d{};
    std::memset(d.reserved1, 0, sizeof d.reserved1);
    ASSERT_EQ(parseDevice(R"({"DeviceName": ")" + longName + R"(", "Password": ")" + longPassword +
                              R"(", "NetWork": {"NIC": [{"MAC": ")" + longName + R"("}]}})",
                          &d),
              0);
    EXPECT_EQ(std::string(d.deviceName), std::string(31, 'x'));
    EXPECT_EQ(std::string(d.password), "0123456789012345678901234567890");
    EXPECT_EQ(std::string(d.nic[0].mac), std::string(23, 'x'));
    for (uint8_t byte : d.reserved1) {
        ASSERT_EQ(byte, 0);
    }
    EXPECT_EQ(d.reserved4[0], 0);
}

TEST(IpJsonSearchDevice, LeavesDefaultsForAbsentOrMistypedKeys) {
    NETSDK_SEARCH_DEVICE_INFO d{};
    d.httpPort = 80;
    std::strcpy(d.user, "admin");
    ASSERT_EQ(parseDevice(R"({"NetWork": {"HttpPort": "8080", "NIC": "none"}, "Model": "x"})", &d),
              0);
    EXPECT_EQ(d.httpPort, 80);
    EXPECT_STREQ(d.user, "admin");
    EXPECT_EQ(d.model, 0);
    // An object in place of the interface array is not a list of interfaces.
    ASSERT_EQ(parseDevice(R"({"NetWork": {"NIC": {"first": {"Name": "eth0"}}}})", &d), 0);
    EXPECT_STREQ(d.nic[0].name, "");
}

TEST(IpJsonSearchDevice, RefusesWhatIsNotAJsonObject) {
    NETSDK_SEARCH_DEVICE_INFO d{};
    for (const std::string body : {"", "{\"Model\": ", "[1, 2]", "42", "{} trailing"}) {
        EXPECT_EQ(parseDevice(body, &d), -1) << body;
    }
}

TEST(IpJsonSearchStatus, ReadsStatusAndContext) {
    const struct {
        const char* body;
        int result;
        int status;
        const char* context;
    } cases[] = {
        {R"({"Status": 3, "StatusContext": "busy"})", 0, 3, "busy"},
        {R"({"StatusContext": "no status"})", 0, 0, "no status"},
        {"{}", 0, 0, ""},
        {"not json", -1, 0, ""},
    };
    for (const auto& c : cases) {
        int status = -99;
        char context[64] = {};
        EXPECT_EQ(IPJSON_ParseJsonSearchStatus(c.body, static_cast<int>(std::strlen(c.body)),
                                               &status, context, sizeof context),
                  c.result)
            << c.body;
        if (c.result == 0) {
            EXPECT_EQ(status, c.status);
            EXPECT_STREQ(context, c.context);
        }
    }
}

}  // namespace
