// A request that cannot be sent fails the call at once, without waiting for answers.
// This program replaces the C library's sendto so that the SDK's sends can be made to fail;
// nothing is ever sent by it.
#include <gtest/gtest.h>
#include <sys/socket.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <functional>
#include <string>

#include "netsdk.h"

namespace {

// How many sends pretend to succeed before every further one fails.
std::atomic<int> sendsBeforeFailure{0};

}  // namespace

extern "C" ssize_t sendto(int, const void*, size_t length, int, const sockaddr*, socklen_t) {
    if (sendsBeforeFailure.load() > 0) {
        --sendsBeforeFailure;
        return static_cast<ssize_t>(length);
    }
    errno = ENETUNREACH;
    return -1;
}

namespace {

// Any local address with multicast will do: nothing is sent.
constexpr unsigned kLoopback = 0x7F000001;

int countAck(int, const char*, void* user) {
    ++*static_cast<int*>(user);
    return 0;
}

int countFound(int, NETSDK_SEARCH_DEVICE_INFO*, void* user) {
    ++*static_cast<int*>(user);
    return 0;
}

class SendFailure : public ::testing::TestWithParam<int> {};

TEST_P(SendFailure, EveryMulticastCallReturnsMinusOneAtOnce) {
    NETSDK_SEARCH_DEVICE_INFO devices[3] = {};
    NETSDK_PRODUCT_COMMAND commands[3] = {};
    for (int i = 0; i < 3; ++i) {
        std::snprintf(devices[i].deviceId, sizeof devices[i].deviceId, "CAM%d", i);
        std::snprintf(commands[i].deviceId, sizeof commands[i].deviceId, "CAM%d", i);
        commands[i].command = 513;
    }
    int answers = 0;
    struct Call {
        const char* name;
        int requests;  // how many requests the call sends
        std::function<int()> run;
    };
    const Call calls[] = {
        {"SetDeviceConfig", 3,
         [&] { return NETSDK_SetDeviceConfig(countAck, &answers, devices, 3, 2, kLoopback); }},
        {"ProductCommand", 3,
         [&] { return NETSDK_ProductCommand(countAck, &answers, commands, 3, 2, kLoopback); }},
        {"SearchDevice", 1,
         [&] { return NETSDK_SearchDevice(countFound, &answers, 2, kLoopback); }},
    };
    for (const Call& call : calls) {
        if (GetParam() >= call.requests) {
            continue;  // the failing send would come after this call's last request
        }
        sendsBeforeFailure = GetParam();
        testing::internal::CaptureStdout();
        const auto start = std::chrono::steady_clock::now();
        const int result = call.run();
        const auto elapsed = std::chrono::steady_clock::now() - start;
        const std::string output = testing::internal::GetCapturedStdout();

        EXPECT_EQ(result, -1) << call.name;
        EXPECT_LT(elapsed, std::chrono::milliseconds(500))
            << call.name << ": no collecting after a failed send";
        EXPECT_NE(output.find("[CORE_SEARCH_SendDataPack] Return value is not success, "
                              "0xffffffff!\r\n"),
                  std::string::npos)
            << call.name << ": " << output;
    }
    EXPECT_EQ(answers, 0);
}

// The first request fails, or a later one after some went out.
INSTANTIATE_TEST_SUITE_P(FailingRequest, SendFailure, ::testing::Values(0, 2));

}  // namespace
