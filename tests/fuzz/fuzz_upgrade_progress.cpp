// A camera's answers to a firmware upgrade: the progress messages after the file went out,
// read until the camera reports 100 percent or the stream ends.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "channels/upgrade_client.h"
#include "loopback_camera.h"
#include "netsdk.h"

namespace {

int readProgress(int percent, const char* address, void*) {
    volatile int seen = percent + address[0];
    (void)seen;
    return 0;
}

// A small firmware file that lives as long as the process.
const std::string& firmwareFile() {
    static const std::string path = [] {
        char name[] = "/tmp/fuzz-firmware.XXXXXX";
        const int file = ::mkstemp(name);
        if (file == -1 || ::write(file, "ROM", 3) != 3) {
            std::abort();
        }
        ::close(file);
        std::atexit([] { std::remove(firmwareFile().c_str()); });
        return std::string(name);
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    LoopbackCamera camera(std::string(reinterpret_cast<const char*>(data), size));
    CLIENT_UPGRADE_Firmware("127.0.0.1", camera.port(), firmwareFile().c_str(), readProgress,
                            nullptr);
    return 0;
}
