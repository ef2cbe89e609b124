// The HTTP command layer against camsim: login, parameter blocks, commands, product tests,
// uploads and the reply forms, asserted from what the cameras received.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "base64.h"
#include "camsim_fixture.h"
#include "command/http_context.h"
#include "command/http_operations.h"
#include "login_info.h"
#include "netsdk.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* kPassword = "pw";
constexpr const char* kPropertyPath = "/NetSDK/Device/Property";
// A call that fails "at once" returns well inside the ten one-second rounds that the wait for
// an answer takes, with room left for a busy machine's slow exchange with the camera.
constexpr auto kAtOnce = std::chrono::seconds(5);

// The bytes of a request body, from the journal's hexadecimal copy.
std::string bodyOf(const camsim::JournalEntry& entry) {
    const std::string hex = entry.text("body_hex");
    std::string bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    }
    return bytes;
}

std::vector<std::pair<std::string, std::string>> headersOf(const camsim::JournalEntry& entry) {
    std::vector<std::pair<std::string, std::string>> headers;
    const cJSON* pair = nullptr;
    cJSON_ArrayForEach(pair, entry.field("headers")) {
        headers.emplace_back(cJSON_GetArrayItem(pair, 0)->valuestring,
                             cJSON_GetArrayItem(pair, 1)->valuestring);
    }
    return headers;
}

std::string headerOf(const camsim::JournalEntry& entry, const std::string& name) {
    for (const auto& [key, value] : headersOf(entry)) {
        if (key == name) {
            return value;
        }
    }
    return "<absent>";
}

std::string basic(const std::string& user, const std::string& password) {
    const std::string plain = user + ":" + password;
    char encoded[256] = {};
    Base64_Encode(encoded, plain.data(), static_cast<int>(plain.size()));
    return std::string("Basic ") + encoded;
}

std::string blockHead(uint32_t length, uint16_t channel, uint16_t command) {
    const char bytes[16] = {'K',
                            'T',
                            'V',
                            'Q',
                            char(length >> 24),
                            char(length >> 16),
                            char(length >> 8),
                            char(length),
                            1,
                            3,
                            char(channel >> 8),
                            char(channel),
                            char(command >> 8),
                            char(command),
                            0,
                            0};
    return std::string(bytes, 16);
}

// One simulator with the cameras a test needs; each camera's faults are JSON member text.
class CameraTest : public ::testing::Test {
protected:
    CameraTest() : sim_(camsim::Where::Loopback) {}

    void startCameras(const std::vector<std::string>& faults) {
        std::string config = R"({"cameras": [)";
        for (size_t i = 0; i < faults.size(); ++i) {
            config +=
                (i ? ", " : "") +
                camsim::camera("CAM" + std::to_string(i), ip(int(i)),
                               std::string(R"("password": "pw", "faults": {)") + faults[i] + "}");
        }
        sim_.start(config + "]}");
    }

    std::string ip(int camera) const { return sim_.address(10 + camera); }

    NETSDK_LOGIN_INFO* login(int camera = 0, const char* password = kPassword) {
        return NETSDK_Login(ip(camera).c_str(), 80, 1680, "admin", password, 0);
    }

    std::vector<camsim::JournalEntry> requests(int camera = 0) const {
        const std::string id = "CAM" + std::to_string(camera);
        return sim_.journal([id](const camsim::JournalEntry& e) {
            return e.text("camera") == id && e.text("protocol") == "http";
        });
    }

    // What the camera read from the file heads of its uploads.
    std::vector<camsim::JournalEntry> uploadHeads() const {
        return sim_.journal(
            [](const camsim::JournalEntry& e) { return e.text("protocol") == "upload"; });
    }

    camsim::Simulator sim_;
};

// Every field of an upload's file head as the camera read it, for one file of size bytes.
void expectFileHead(const camsim::JournalEntry& head, const std::string& name, double size,
                    double action, double fileType) {
    EXPECT_EQ(head.text("magic"), "KVTQ");
    EXPECT_EQ(head.text("name"), name);
    EXPECT_EQ(head.text("md5").size(), 32u);
    const cJSON* zeroFilled = head.field("reserved");
    EXPECT_TRUE(cJSON_IsTrue(zeroFilled)) << "bytes 8 to 55 should be zero";
    const struct {
        const char* field;
        double expected;
    } words[] = {{"word_4", 1},          {"size", size},       {"word_60", 1},
                 {"action", action},     {"head_length", 144}, {"size_again", size},
                 {"file_type", fileType}};
    for (const auto& word : words) {
        EXPECT_EQ(head.number(word.field, -1), word.expected) << word.field;
    }
    EXPECT_TRUE(cJSON_IsTrue(head.field("well_formed"))) << head.text("error");
}

struct LoginHandle {
    NETSDK_LOGIN_INFO* login;
    ~LoginHandle() {
        if (login != nullptr) {
            NETSDK_Logout(login);
        }
    }
};

// ---- Login ---------------------------------------------------------------------------------

TEST_F(CameraTest, LoginReadsTheDeviceBlockWithBasicAuthorisation) {
    startCameras({""});
    LoginHandle handle{login()};
    ASSERT_NE(handle.login, nullptr);
    const auto sent = requests();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].text("method"), "GET");
    EXPECT_EQ(sent[0].text("target"), kPropertyPath);
    EXPECT_EQ(bodyOf(sent[0]), blockHead(1552, 0, 0));
    EXPECT_EQ(headerOf(sent[0], "Authorization"), basic("admin", "pw"));
    EXPECT_EQ(headerOf(sent[0], "Content-Length"), "16");
}

TEST_F(CameraTest, RefusedLoginReturnsNullAtOnce) {
    startCameras({""});
    const auto start = Clock::now();
    EXPECT_EQ(login(0, "wrong"), nullptr);
    EXPECT_LT(Clock::now() - start, kAtOnce);
    EXPECT_EQ(NETSDK_Logout(nullptr), -1);
}

// Only a 200 proves a login: a refusal, a camera error or a redirect to elsewhere each fail it
// at once with the status in the log line, after the one read and nothing more.
TEST_F(CameraTest, EveryOtherAnswerToTheLoginReadFailsTheLogin) {
    const struct {
        int status;
        const char* logged;
    } cases[] = {{401, "Return value is not success, 0x191!"},
                 {500, "Return value is not success, 0x1f4!"},
                 {302, "Return value is not success, 0x12e!"}};
    std::vector<std::string> faults;
    for (const auto& c : cases) {
        faults.push_back(R"("http_status": {"command:0": )" + std::to_string(c.status) + "}");
    }
    startCameras(faults);
    for (size_t i = 0; i < std::size(cases); ++i) {
        testing::internal::CaptureStdout();
        const auto start = Clock::now();
        LoginHandle handle{login(int(i))};
        const auto took = Clock::now() - start;
        const std::string output = testing::internal::GetCapturedStdout();
        EXPECT_EQ(handle.login, nullptr) << cases[i].status;
        EXPECT_LT(took, kAtOnce) << cases[i].status;
        EXPECT_NE(output.find(cases[i].logged), std::string::npos) << cases[i].status << output;
        EXPECT_EQ(requests(int(i)).size(), 1u) << cases[i].status;
    }
}

TEST_F(CameraTest, LoginNeedsOnlyA200WhileGetParamStillRefusesBadBlocks) {
    const char* faults[] = {R"("http_reply_command": 12)", R"("http_short_body": 4)"};
    startCameras({faults[0], faults[1]});
    for (int camera = 0; camera < int(std::size(faults)); ++camera) {
        LoginHandle handle{login(camera)};
        ASSERT_NE(handle.login, nullptr) << faults[camera];
        NETSDK_PARAM_DEVICE device;
        const NETSDK_CHANNEL pair{0, 0};
        EXPECT_EQ(
            NETSDK_GetParam(handle.login, &pair, NETSDK_PARAM_ID_DEVICE, &device, sizeof device),
            -1)
            << faults[camera];
    }
}

TEST_F(CameraTest, CookieOfTheLoginIsSentBack) {
    startCameras({R"("http_set_cookie": "id=42")"});
    LoginHandle handle{login()};
    ASSERT_NE(handle.login, nullptr);
    NETSDK_PARAM_DNS dns;
    const NETSDK_CHANNEL pair{0, 1};
    ASSERT_EQ(NETSDK_GetParam(handle.login, &pair, NETSDK_PARAM_ID_DNS, &dns, sizeof dns), 0);
    EXPECT_EQ(headerOf(requests().back(), "Cookie"), "id=42");
}

// ---- Parameter blocks ------------------------------------------------------------------------

TEST_F(CameraTest, TimeReadSendsItsHeadAsTheBody) {
    startCameras({""});
    LoginHandle handle{login()};
    ASSERT_NE(handle.login, nullptr);
    NETSDK_PARAM_TIME time;
    const NETSDK_CHANNEL pair{0, 1};
    ASSERT_EQ(NETSDK_GetParam(handle.login, &pair, NETSDK_PARAM_ID_TIME, &time, sizeof time), 0);
    EXPECT_EQ(bodyOf(requests().back()),
              std::string("\x4B\x54\x56\x51\x00\x00\x03\x70\x01\x03\x00\x01\x00\x0C\x00\x00", 16));
    EXPECT_STREQ(time.ntpServer, "pool.ntp.org");
    EXPECT_EQ(time.mode.count, 2);
}

// A write followed by a read: the written values come back, the camera's defaults and
// lists stay.
TEST_F(CameraTest, WrittenRecordsReadBackWithDefaultsAndListsIntact) {
    startCameras({""});
    LoginHandle handle{login()};
    ASSERT_NE(handle.login, nullptr);
    const NETSDK_CHANNEL main{0, 0}, sub{0, 1};

    NETSDK_PARAM_TIME time = {};
    ASSERT_EQ(NETSDK_GetParam(handle.login, &sub, NETSDK_PARAM_ID_TIME, &time, sizeof time), 0);
    time.mode.value = 1;
    time.manualTime = 1700000000;
    time.timeZone = 21;
    ASSERT_EQ(NETSDK_SetParam(handle.login, &sub, NETSDK_PARAM_ID_TIME, &time, sizeof time), 0);
    NETSDK_PARAM_TIME timeBack = {};
    ASSERT_EQ(NETSDK_GetParam(handle.login, &sub, 21, &timeBack, sizeof timeBack), 0);
    EXPECT_EQ(timeBack.mode.value, 1);
    EXPECT_EQ(timeBack.manualTime, 1700000000);
    EXPECT_EQ(timeBack.timeZone, 21);
    EXPECT_EQ(timeBack.mode.count, 2);
    EXPECT_STREQ(timeBack.ntpServer, "");  // manual mode reads no NTP fields

    NETSDK_PARAM_VIDEO_ENCODE encode = {};
    ASSERT_EQ(NETSDK_GetParam(handle.login, &sub, 32, &encode, sizeof encode), 0);
    const int32_t subDefault = encode.resolution.defaultValue;
    encode.resolution.value = encode.resolution.list[1];
    ASSERT_EQ(NETSDK_SetParam(handle.login, &sub, 32, &encode, sizeof encode), 0);
    NETSDK_PARAM_VIDEO_ENCODE subBack = {}, mainBack = {};
    ASSERT_EQ(NETSDK_GetParam(handle.login, &sub, 32, &subBack, sizeof subBack), 0);
    ASSERT_EQ(NETSDK_GetParam(handle.login, &main, 32, &mainBack, sizeof mainBack), 0);
    EXPECT_EQ(subBack.resolution.value, encode.resolution.list[1]);
    EXPECT_EQ(subBack.resolution.defaultValue, subDefault);
    EXPECT_EQ(subBack.resolution.count, 2);
    EXPECT_EQ(mainBack.resolution.value, 19201080);

    NETSDK_PARAM_OSD osd = {};
    ASSERT_EQ(NETSDK_GetParam(handle.login, &sub, 31, &osd, sizeof osd), 0);
    std::strcpy(osd.titles[1].text, "Dock 7");
    osd.titles[1].shown.value = 1;
    ASSERT_EQ(NETSDK_SetParam(handle.login, &sub, 31, &osd, sizeof osd), 0);
    NETSDK_PARAM_OSD osdBack = {};
    ASSERT_EQ(NETSDK_GetParam(handle.login, &sub, 31, &osdBack, sizeof osdBack), 0);
    EXPECT_STREQ(osdBack.titles[1].text, "Dock 7");
    EXPECT_STREQ(osdBack.titles[0].text, osd.titles[0].text);
    EXPECT_EQ(osdBack.dateFormat.count, 6);

    NETSDK_PARAM_NETWORK network = {};
    ASSERT_EQ(NETSDK_GetParam(handle.login, &sub, 37, &network, sizeof network), 0);
    const std::vector<uint8_t> mac(network.mac, network.mac + 6);
    network.dhcp = 1;
    std::memset(network.mac, 0xAA, 6);
    ASSERT_EQ(NETSDK_SetParam(handle.login, &sub, 37, &network, sizeof network), 0);
    NETSDK_PARAM_NETWORK networkBack = {};
    ASSERT_EQ(NETSDK_GetParam(handle.login, &sub, 37, &networkBack, sizeof networkBack), 0);
    EXPECT_EQ(networkBack.dhcp, 1);
    EXPECT_EQ(std::vector<uint8_t>(networkBack.mac, networkBack.mac + 6), mac);
}

struct BadReply {
    std::string name;
    std::string faults;
    int id;
    int recordSize;
};

TEST_F(CameraTest, BadRepliesFailAndLeaveTheRecordUnchanged) {
    const BadReply cases[] = {
        {"another command", R"("http_reply_command": 12)", 38, 24},
        {"another channel for the encoder", R"("http_reply_channel": 0)", 32, 1600},
        {"short body", R"("http_short_body": 4)", 38, 24},
        {"refused read", R"("http_status": {"command:7": 401})", 38, 24},
    };
    std::vector<std::string> faults;
    for (const BadReply& c : cases) {
        faults.push_back(c.faults);
    }
    startCameras(faults);
    for (size_t i = 0; i < std::size(cases); ++i) {
        // A context of its own: these cameras would refuse the login's read as well.
        const BadReply& c = cases[i];
        CORE_HTTP_CONTEXT* context =
            CORE_HTTP_CreateDefault(ip(int(i)).c_str(), 80, "admin", "pw", 0);
        ASSERT_NE(context, nullptr) << c.name;
        std::vector<uint8_t> record(c.recordSize, 0x5C);
        const auto start = Clock::now();
        EXPECT_EQ(CORE_HTTP_GetParam(context, 0, 1, c.id, record.data(), c.recordSize), -1)
            << c.name;
        EXPECT_LT(Clock::now() - start, kAtOnce) << c.name;
        EXPECT_EQ(record, std::vector<uint8_t>(c.recordSize, 0x5C)) << c.name;
        CORE_HTTP_Destory(context);
    }
}

TEST_F(CameraTest, ChunkedAndCloseDelimitedRepliesFillTheRecord) {
    startCameras({"", R"("http_chunked": true)", R"("http_close_delimited": true)"});
    const NETSDK_CHANNEL pair{0, 1};
    std::vector<NETSDK_PARAM_OSD> records(3);
    for (int camera = 0; camera < 3; ++camera) {
        LoginHandle handle{login(camera)};
        ASSERT_NE(handle.login, nullptr) << camera;
        ASSERT_EQ(NETSDK_GetParam(handle.login, &pair, 31, &records[camera], sizeof records[0]), 0)
            << camera;
    }
    EXPECT_EQ(std::memcmp(&records[0], &records[1], sizeof records[0]), 0);
    EXPECT_EQ(std::memcmp(&records[0], &records[2], sizeof records[0]), 0);
}

TEST_F(CameraTest, WritesThatCannotBeBuiltSendNothing) {
    startCameras({""});
    LoginHandle handle{login()};
    ASSERT_NE(handle.login, nullptr);
    const NETSDK_CHANNEL pair{0, 1};
    NETSDK_PARAM_TIME time = {};
    EXPECT_EQ(NETSDK_SetParam(handle.login, &pair, 21, &time, sizeof time - 4), -1);
    NETSDK_PARAM_DEVICE device = {};
    EXPECT_EQ(NETSDK_SetParam(handle.login, &pair, 20, &device, sizeof device), -1);
    EXPECT_EQ(NETSDK_GetParam(handle.login, nullptr, 21, &time, sizeof time), -1);
    EXPECT_EQ(requests().size(), 1u);  // the login's read only
}

// Only ids 20 to 44 have a block to read: any other id (the plain command paths among them)
// is refused by the head writer, before a GET could reach the camera.
TEST_F(CameraTest, ReadsOfIdsWithoutABlockSendNothing) {
    startCameras({""});
    LoginHandle handle{login()};
    ASSERT_NE(handle.login, nullptr);
    const NETSDK_CHANNEL pair{0, 1};
    std::vector<uint8_t> record(16 * 1024, 0x5C);
    for (int id : {0, 2, 3, 13, 15, 18, 19, 45}) {
        EXPECT_EQ(NETSDK_GetParam(handle.login, &pair, id, record.data(), 4), -1) << id;
    }
    EXPECT_EQ(requests().size(), 1u);  // the login's read only
    EXPECT_EQ(record, std::vector<uint8_t>(16 * 1024, 0x5C));
}

// ---- Commands ------------------------------------------------------------------------------

struct CommandCase {
    int id;
    int32_t value;
    std::string target;
};

TEST_F(CameraTest, RebootResetAndAlarmToneArePutsWithoutBody) {
    startCameras({""});
    LoginHandle handle{login()};
    ASSERT_NE(handle.login, nullptr);
    const CommandCase cases[] = {
        {NETSDK_PARAM_ID_REBOOT, 1, "/NetSDK/System/Reboot"},
        {NETSDK_PARAM_ID_FACTORY_RESET, 1, "/NetSDK/System/DefaultFactory"},
        {NETSDK_PARAM_ID_ALARM_TONE, 2, "/NetSDK/System/AlarmTone?Action=Play&Type=Type03"},
    };
    const NETSDK_CHANNEL pair{0, 1};
    for (const CommandCase& c : cases) {
        EXPECT_EQ(NETSDK_SetParam(handle.login, &pair, c.id, &c.value, sizeof c.value), 0)
            << c.target;
        const auto sent = requests().back();
        EXPECT_EQ(sent.text("method"), "PUT");
        EXPECT_EQ(sent.text("target"), c.target);
        EXPECT_EQ(sent.text("body"), "");
        EXPECT_EQ(headerOf(sent, "Content-Length"), "0");
        EXPECT_EQ(headerOf(sent, "Authorization"), basic("admin", "pw"));
    }
}

// The tone counted from 1 must not overflow on its way into the query.
TEST_F(CameraTest, LargestAlarmToneIsCountedOnWithoutOverflow) {
    startCameras({""});
    LoginHandle handle{login()};
    ASSERT_NE(handle.login, nullptr);
    const NETSDK_CHANNEL pair{0, 1};
    const int32_t tone = INT32_MAX;
    NETSDK_SetParam(handle.login, &pair, NETSDK_PARAM_ID_ALARM_TONE, &tone, sizeof tone);
    EXPECT_EQ(requests().back().text("target"),
              "/NetSDK/System/AlarmTone?Action=Play&Type=Type2147483648");
}

TEST_F(CameraTest, RefusedWriteFailsAtOnce) {
    startCameras({R"("http_status": {"/NetSDK/System/Reboot": 500})"});
    LoginHandle handle{login()};
    ASSERT_NE(handle.login, nullptr);
    const NETSDK_CHANNEL pair{0, 1};
    const int32_t one = 1;
    const auto start = Clock::now();
    EXPECT_EQ(NETSDK_SetParam(handle.login, &pair, NETSDK_PARAM_ID_REBOOT, &one, 4), -1);
    EXPECT_LT(Clock::now() - start, kAtOnce);
}

// ---- Product tests -------------------------------------------------------------------------

struct Replies {
    std::vector<std::pair<int, std::string>> seen;
    static int record(int command, int code, const char* json, void* user) {
        EXPECT_EQ(code, 0);
        static_cast<Replies*>(user)->seen.emplace_back(command, json);
        return 0;
    }
};

TEST_F(CameraTest, ProductTestPostsTheCommandAndHandsOverTheReply) {
    startCameras({R"("http_status": {"product:50": 500})"});
    LoginHandle handle{login()};
    ASSERT_NE(handle.login, nullptr);
    Replies replies;
    ASSERT_EQ(NETSDK_ProductTest(handle.login, 120, Replies::record, nullptr, &replies), 0);
    auto sent = requests().back();
    EXPECT_EQ(sent.text("method"), "POST");
    EXPECT_EQ(sent.text("target"), "/NetSDK/System/ProductTest?Cmd=78");
    EXPECT_EQ(headerOf(sent, "Content-Type"), "<absent>");
    EXPECT_EQ(headerOf(sent, "Content-Length"), "0");
    ASSERT_EQ(replies.seen.size(), 1u);
    EXPECT_EQ(replies.seen[0].first, 120);
    EXPECT_NE(replies.seen[0].second.find("\"capabilities\""), std::string::npos);

    ASSERT_EQ(NETSDK_ProductTest(handle.login, 83, Replies::record, "", &replies), 0);
    sent = requests().back();
    EXPECT_EQ(headerOf(sent, "Content-Type"), "application/json");
    EXPECT_EQ(sent.text("target"), "/NetSDK/System/ProductTest?Cmd=53");
    EXPECT_EQ(replies.seen.back().second, R"({"list": [1, 2]})");

    const std::string preset = R"({"operate":"set","preset":5})";
    ASSERT_EQ(NETSDK_ProductTest(handle.login, 84, Replies::record, preset.c_str(), &replies), 0);
    EXPECT_EQ(requests().back().text("body"), preset);

    const size_t before = replies.seen.size();
    EXPECT_EQ(NETSDK_ProductTest(handle.login, 50, Replies::record, nullptr, &replies), -1);
    EXPECT_EQ(replies.seen.size(), before);
    EXPECT_EQ(NETSDK_ProductTest(handle.login, -1, Replies::record, nullptr, &replies), -1);
    EXPECT_EQ(NETSDK_ProductTest(handle.login, 50, nullptr, nullptr, &replies), -1);
}

// ---- Uploads -------------------------------------------------------------------------------

TEST_F(CameraTest, UploadSendsTheFormWithBothChecksums) {
    startCameras({""});
    LoginHandle handle{login()};
    ASSERT_NE(handle.login, nullptr);
    std::string data(3000, '\0');
    for (size_t i = 0; i < data.size(); ++i) {
        data[i] = char(i * 7);
    }
    ASSERT_EQ(NETSDK_UploadFile(handle.login, "prompt.pcm", data.data(), int(data.size()), 769),
              0);  // camsim answers 200 only when both MD5s match
    const auto sent = requests().back();
    EXPECT_EQ(sent.text("target"), "/System/OEM/UploadFile?Action=103");
    EXPECT_EQ(headerOf(sent, "Content-Type"),
              "multipart/form-data; boundary=----------------------ZRPostUpload");
    EXPECT_EQ(headerOf(sent, "X-CheckSum").size(), 32u);
    const std::string body = bodyOf(sent);
    const std::string start =
        "------------------------ZRPostUpload\r\n"
        "Content-Disposition: form-data; name=Filename\r\n\r\nprompt.pcm\r\n"
        "------------------------ZRPostUpload\r\n"
        "Content-Disposition: form-data; name=Filedata\r\n"
        "Content-Type: application/octet-stream\r\n\r\nKVTQ";
    EXPECT_EQ(body.substr(0, start.size()), start);
    EXPECT_EQ(body.substr(body.size() - 42), "\r\n------------------------ZRPostUpload--\r\n");
    const auto heads = uploadHeads();
    ASSERT_EQ(heads.size(), 1u);
    expectFileHead(heads[0], "prompt.pcm", 3000, 0x103, 769);
    EXPECT_EQ(heads[0].text("md5"), "957A5BF1626328596E72A93E8CA010AD");  // of data
}

TEST_F(CameraTest, UploadLimitsHoldBeforeAnyTraffic) {
    startCameras({""});
    LoginHandle handle{login()};
    ASSERT_NE(handle.login, nullptr);
    const std::string largest(1047552, 'x');
    EXPECT_EQ(NETSDK_UploadFile(handle.login, "isp.cfg", largest.data(), int(largest.size()), 513),
              0);
    EXPECT_EQ(requests().back().text("target"), "/System/ISP/UploadConfigFile?Action=101");
    ASSERT_EQ(uploadHeads().size(), 1u);
    expectFileHead(uploadHeads()[0], "isp.cfg", 1047552, 0x101, 513);
    const size_t sentBefore = requests().size();
    EXPECT_EQ(sentBefore, 2u);
    EXPECT_EQ(NETSDK_UploadFile(handle.login, "big.bin", largest.data(), 1047553, 513), -1);
    EXPECT_EQ(NETSDK_UploadFile(handle.login, "a\r\nX-Evil: 1", "abc", 3, 769), -1);
    EXPECT_EQ(NETSDK_UploadFile(handle.login, "tone.pcm", "abc", -1, 769), -1);
    EXPECT_EQ(NETSDK_UploadFile(handle.login, "tone.pcm", "abc", 3, 700), -1);
    EXPECT_EQ(requests().size(), sentBefore);
}

// ---- Time-outs and threads -------------------------------------------------------------------

TEST_F(CameraTest, SilentCameraEndsWithTheReceiveTimeout) {
    startCameras({R"("http_silent": true)"});
    CORE_HTTP_CONTEXT* context = CORE_HTTP_CreateDefault(ip(0).c_str(), 80, "admin", "pw", 0);
    ASSERT_NE(context, nullptr);
    CORE_HTTP_SetTimeouts(context, 300, 300);
    NETSDK_PARAM_DNS dns;
    std::memset(&dns, 0x5C, sizeof dns);
    const auto start = Clock::now();
    EXPECT_EQ(CORE_HTTP_GetParam(context, 0, 1, NETSDK_PARAM_ID_DNS, &dns, sizeof dns), -1);
    EXPECT_LT(Clock::now() - start, kAtOnce);  // not the default 20 s receive timeout
    EXPECT_EQ(dns.primary.address[0], 0x5C);
    CORE_HTTP_Destory(context);
}

int ignoreProductReply(int, int, const char*, void*) {
    return 0;
}

TEST_F(CameraTest, ATricklingCameraHoldsNoCallPastTheAnswerWait) {
    // A handle around a bare context: the trickling camera would not let a login through.
    struct BareHandle {
        NETSDK_LOGIN_INFO info{};
        explicit BareHandle(const std::string& address) {
            info.http = CORE_HTTP_CreateDefault(address.c_str(), 80, "admin", kPassword, 0);
        }
        ~BareHandle() { CORE_HTTP_Destory(info.http); }
    };
    const NETSDK_CHANNEL pair{0, 1};
    struct Call {
        const char* name;
        const char* failureText;  // printed when no answer came in time
        std::function<bool(const std::string& address)> fails;
    };
    const Call calls[] = {
        {"Login", "http server reply error: -10060",
         [this](const std::string& address) {
             return NETSDK_Login(address.c_str(), 80, 1680, "admin", kPassword, 0) == nullptr;
         }},
        {"GetParam", "http server reply error: -10060",
         [&](const std::string& address) {
             BareHandle handle(address);
             NETSDK_PARAM_ALARM_LINKAGE linkage{};
             return NETSDK_GetParam(&handle.info, &pair, 41, &linkage, sizeof linkage) == -1;
         }},
        {"SetParam", "http server response error: -10060",
         [&](const std::string& address) {
             BareHandle handle(address);
             const NETSDK_PARAM_ALARM_LINKAGE linkage{};
             return NETSDK_SetParam(&handle.info, &pair, 41, &linkage, sizeof linkage) == -1;
         }},
        {"ProductTest", "http server reply error: -10060",
         [](const std::string& address) {
             BareHandle handle(address);
             return NETSDK_ProductTest(&handle.info, 120, ignoreProductReply, "{}", nullptr) == -1;
         }},
        {"UploadFile", "http server response error: -10060",
         [](const std::string& address) {
             BareHandle handle(address);
             return NETSDK_UploadFile(&handle.info, "tone.pcm", "abc", 3, 769) == -1;
         }},
    };
    // One camera per call, all side by side, so the test takes one answer wait.
    startCameras(std::vector<std::string>(std::size(calls), R"("http_trickle": 1)"));
    std::vector<int> failed(std::size(calls), 0);
    std::vector<Clock::duration> took(std::size(calls));
    std::vector<std::thread> threads;
    testing::internal::CaptureStdout();
    for (size_t i = 0; i < std::size(calls); ++i) {
        threads.emplace_back([&, i] {
            const auto start = Clock::now();
            failed[i] = calls[i].fails(ip(int(i))) ? 1 : 0;
            took[i] = Clock::now() - start;
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    const std::string output = testing::internal::GetCapturedStdout();
    for (size_t i = 0; i < std::size(calls); ++i) {
        EXPECT_EQ(failed[i], 1) << calls[i].name;
        // The 10 s wait and slack for a busy machine; a trickled answer, a byte a second,
        // would take minutes.
        EXPECT_LT(took[i], std::chrono::seconds(25)) << calls[i].name;
        EXPECT_NE(output.find(calls[i].failureText), std::string::npos) << calls[i].name;
    }
}

TEST_F(CameraTest, ParallelLoginsEachSeeOnlyTheirOwnCamera) {
    constexpr int kCameras = 8;
    startCameras(std::vector<std::string>(kCameras, ""));
    std::vector<int> results(kCameras, -1);
    std::vector<std::thread> threads;
    for (int camera = 0; camera < kCameras; ++camera) {
        threads.emplace_back([this, camera, &results] {
            LoginHandle handle{login(camera)};
            if (handle.login == nullptr) {
                return;
            }
            const NETSDK_CHANNEL pair{0, 1};
            int failures = 0;
            for (int round = 0; round < 5; ++round) {
                NETSDK_PARAM_ALARM_LINKAGE linkage = {};
                linkage.toneOnAlarm.value = camera;
                linkage.lightsOnAlarm.value = round;
                failures += NETSDK_SetParam(handle.login, &pair, 41, &linkage, sizeof linkage);
                NETSDK_PARAM_ALARM_LINKAGE back = {};
                failures -= NETSDK_GetParam(handle.login, &pair, 41, &back, sizeof back);
                failures +=
                    back.toneOnAlarm.value == camera && back.lightsOnAlarm.value == round ? 0 : 1;
            }
            results[camera] = failures;
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    for (int camera = 0; camera < kCameras; ++camera) {
        EXPECT_EQ(results[camera], 0) << camera;
        const auto sent = requests(camera);
        EXPECT_EQ(sent.size(), 11u) << camera;
        for (const auto& entry : sent) {
            EXPECT_EQ(headerOf(entry, "Host"), ip(camera) + ":80");
        }
    }
}

}  // namespace
