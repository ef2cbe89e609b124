// What a camera's alarm port sends: the notify channel reads it message by message and calls
// back with each alarm, until the stream ends and the channel connects again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "loopback_camera.h"
#include "netsdk.h"
#include "notify/notify_channel.h"

namespace {

constexpr int kWaitMs = 5000;

int readEvent(const NETSDK_ALARM_EVENT* event, void*) {
    volatile uint32_t type = event->type;
    (void)type;
    return 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    LoopbackCamera camera(std::string(reinterpret_cast<const char*>(data), size));
    CLIENT_NOTIFY_SESSION* channel =
        CLIENT_NOTIFY_Creat("127.0.0.1", camera.port(), readEvent, nullptr);
    if (channel == nullptr) {
        std::abort();
    }
    // The reconnect shows that the channel has read the whole stream.
    if (!camera.waitForConnections(2, kWaitMs)) {
        std::abort();
    }
    CLIENT_NOTIFY_Destory(channel);
    return 0;
}
