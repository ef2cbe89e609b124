// Process set-up, the no-op exports and the refusals of the search exports.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <regex>
#include <string>

#include "camsim_fixture.h"
#include "netsdk.h"

namespace {

using Clock = std::chrono::steady_clock;

int ignoreDevice(int, NETSDK_SEARCH_DEVICE_INFO*, void*) {
    return 0;
}
int ignoreAck(int, const char*, void*) {
    return 0;
}

TEST(Exports, InitAndCleanupSucceed) {
    EXPECT_EQ(NETSDK_Init(), 0);
    EXPECT_EQ(NETSDK_Cleanup(), 0);
}

TEST(Exports, TheElevenKeptExportsDoNothingAndReturnZero) {
    int (*const kept[])(void) = {
        NETSDK_CloseLog,         NETSDK_GetAudioParam, NETSDK_GetBuildVersion, NETSDK_GetSdkVersion,
        NETSDK_GetVideoParam,    NETSDK_OpenLog,       NETSDK_PTZControl,      NETSDK_PTZPreset,
        NETSDK_SetAutoReconnect, NETSDK_SetLogFile,    NETSDK_SetReconnect,
    };
    testing::internal::CaptureStdout();
    for (auto* call : kept) {
        EXPECT_EQ(call(), 0);
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

struct Refusal {
    const char* what;
    std::function<int()> call;
    std::string logLine;  // expected standard output, without the source-location number
};

// "[function]-123: reason\r\n" with the number taken out, so the table stays readable.
std::string withoutLineNumber(const std::string& output) {
    return std::regex_replace(output, std::regex(R"(\]-\d+: )"), "]-N: ");
}

TEST(Exports, RefuseMissingPointersAndAddressesThatAreNotLocal) {
    const unsigned notLocal = camsim::hostOrder("192.0.2.1");
    NETSDK_SEARCH_DEVICE_INFO device{};
    NETSDK_PRODUCT_COMMAND command{};
    const Refusal refusals[] = {
        {"search without callback", [] { return NETSDK_SearchDevice(nullptr, nullptr, 1, 0); },
         "[NETSDK_SearchDevice]-N: [NETSDK_SearchDevice] The pointer is null!\r\n"},
        {"set without records",
         [] { return NETSDK_SetDeviceConfig(ignoreAck, nullptr, nullptr, 1, 1, 0); },
         "[NETSDK_SetDeviceConfig]-N: [NETSDK_SetDeviceConfig] The pointer is null!\r\n"},
        {"command without records",
         [] { return NETSDK_ProductCommand(ignoreAck, nullptr, nullptr, 1, 1, 0); },
         "[NETSDK_ProductCommand]-N: [NETSDK_ProductCommand] The pointer is null!\r\n"},
        {"search from a foreign address",
         [&] { return NETSDK_SearchDevice(ignoreDevice, nullptr, 1, notLocal); },
         "[CORE_SEARCH_Init]-N: [CORE_SEARCH_Init] Return value is not success, 0x1!\r\n"
         "[CLIENT_SEARCH_Init]-N: Core search init failed, now free client object.\r\n"
         "[NETSDK_SearchDevice]-N: Search Init failed.\r\n"},
        {"set from a foreign address",
         [&] { return NETSDK_SetDeviceConfig(ignoreAck, nullptr, &device, 1, 1, notLocal); },
         "[CORE_SEARCH_Init]-N: [CORE_SEARCH_Init] Return value is not success, 0x1!\r\n"
         "[CLIENT_SEARCH_Init]-N: Core search init failed, now free client object.\r\n"
         "[NETSDK_SetDeviceConfig]-N: Search Init failed.\r\n"},
        {"command from a foreign address",
         [&] { return NETSDK_ProductCommand(ignoreAck, nullptr, &command, 1, 1, notLocal); },
         "[CORE_SEARCH_Init]-N: [CORE_SEARCH_Init] Return value is not success, 0x1!\r\n"
         "[CLIENT_SEARCH_Init]-N: Core search init failed, now free client object.\r\n"
         "[NETSDK_ProductCommand]-N: [NETSDK_ProductCommand] The pointer is null!\r\n"},
    };
    for (const Refusal& refusal : refusals) {
        const auto start = Clock::now();
        testing::internal::CaptureStdout();
        const int result = refusal.call();
        const std::string output = testing::internal::GetCapturedStdout();
        EXPECT_EQ(result, -1) << refusal.what;
        EXPECT_EQ(withoutLineNumber(output), refusal.logLine) << refusal.what;
        EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(500)) << "no waiting";
    }
}

}  // namespace
