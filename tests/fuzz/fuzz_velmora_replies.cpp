// A camera's HTTP answer as Velmora's session takes it: the account list read from the users
// block, and the JSON replies of the product-test commands that the pages show. The camera
// gives the same answer to every request.
#include <QCoreApplication>
#include <QJsonDocument>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "command/http_context.h"
#include "login_info.h"
#include "loopback_camera.h"
#include "netsdk.h"
#include "zrsdk_instance.h"

namespace {

// A camera that never answers in time must not hold a fuzz input for long.
constexpr int kTimeoutMs = 500;

void readSession(int port) {
    NETSDK_LOGIN_INFO login{};
    std::snprintf(login.ip, sizeof login.ip, "127.0.0.1");
    login.httpPort = static_cast<uint32_t>(port);
    login.http = CORE_HTTP_CreateDefault("127.0.0.1", port, "admin", "", 0);
    if (login.http == nullptr) {
        return;
    }
    CORE_HTTP_SetTimeouts(login.http, kTimeoutMs, kTimeoutMs);
    {
        const NETSDK_CHANNEL channel{0, 0};
        ZRSDKInstance session(&login, &channel, nullptr);
        for (const UserAccount& account : session.userList()) {
            (void)account.name.size();
        }
        session.deviceInfo().toJson();
        session.storageInfo().toJson();
    }
    CORE_HTTP_Destory(login.http);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    LoopbackCamera camera(std::string(reinterpret_cast<const char*>(data), size),
                          LoopbackCamera::Answers::kEveryConnection);
    readSession(camera.port());
    return 0;
}
