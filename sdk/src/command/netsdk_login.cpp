// The exports of the HTTP command layer: login handles and what runs on them.
#include <cstdio>
#include <new>

#include "command/http_operations.h"
#include "log.h"
#include "login_info.h"
#include "notify/notify_channel.h"

namespace {

constexpr int kLoginProofId = NETSDK_PARAM_ID_DEVICE;

void copyText(char* target, size_t size, const char* source) {
    std::snprintf(target, size, "%s", source);
}

bool hasContext(const NETSDK_LOGIN_INFO* login) {
    return login != nullptr && login->http;
}

}  // namespace

extern "C" {

NETSDK_LOGIN_INFO* NETSDK_Login(const char* ip, int httpPort, int streamPort, const char* user,
                                const char* password, int reserved) {
    if (ip == nullptr || user == nullptr || password == nullptr) {
        SDK_LOG_NULL();
        return nullptr;
    }
    auto* login = new (std::nothrow) NETSDK_LOGIN_INFO{};
    if (login == nullptr) {
        SDK_LOG_TEXT("Out of memory");
        return nullptr;
    }
    login->http = CORE_HTTP_CreateDefault(ip, httpPort, user, password, reserved);
    if (login->http == nullptr) {
        SDK_LOG_NULL();
        delete login;
        return nullptr;
    }
    // A login is good exactly when the camera answers the device record's read with 200: a
    // device record of an unexpected shape must not lock the user out of the camera.
    NETSDK_PARAM_DEVICE device;
    const int proof =
        CORE_HTTP_GetParamStatus(login->http, 0, 0, kLoginProofId, &device, sizeof device);
    if (proof != 200) {
        SDK_LOG_RESULT(proof);
        CORE_HTTP_Destory(login->http);
        delete login;
        return nullptr;
    }
    copyText(login->ip, sizeof login->ip, ip);
    copyText(login->user, sizeof login->user, user);
    copyText(login->password, sizeof login->password, password);
    login->httpPort = static_cast<uint32_t>(httpPort);
    login->streamPort = static_cast<uint32_t>(streamPort);
    return login;
}

int NETSDK_Logout(NETSDK_LOGIN_INFO* login) {
    if (login == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    // The alarm channel ends first: its thread must not call back once logout returned.
    if (login->notify != nullptr) {
        CLIENT_NOTIFY_Destory(login->notify);
    }
    CORE_HTTP_Destory(login->http);
    delete login;
    return 0;
}

int NETSDK_GetParam(NETSDK_LOGIN_INFO* login, const NETSDK_CHANNEL* channel, int paramId,
                    void* buffer, int bufferSize) {
    if (!hasContext(login) || channel == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    return CORE_HTTP_GetParam(login->http, channel->channel, channel->stream, paramId, buffer,
                              bufferSize);
}

int NETSDK_SetParam(NETSDK_LOGIN_INFO* login, const NETSDK_CHANNEL* channel, int paramId,
                    const void* buffer, int bufferSize) {
    if (!hasContext(login) || channel == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    return CORE_HTTP_SetParam(login->http, channel->channel, channel->stream, paramId, buffer,
                              bufferSize);
}

int NETSDK_ProductTest(NETSDK_LOGIN_INFO* login, int command, NETSDK_ProductCallBack reply,
                       const char* jsonText, void* user) {
    if (!hasContext(login)) {
        SDK_LOG_NULL();
        return -1;
    }
    return CORE_HTTP_ProductTest(login->http, command, reply, jsonText, user);
}

int NETSDK_UploadFile(NETSDK_LOGIN_INFO* login, const char* fileName, const char* data, int size,
                      int fileType) {
    if (!hasContext(login) || fileName == nullptr || data == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    return CORE_HTTP_UploadFile(login->http, fileName, data, size, fileType);
}

int NETSDK_Snapshot(NETSDK_LOGIN_INFO* login, const NETSDK_CHANNEL* channel,
                    NETSDK_SnapshotCallBack picture, void* user) {
    if (!hasContext(login) || channel == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    return CORE_HTTP_Snapshot(login->http, channel, picture, user);
}

int NETSDK_SetStatusEvent(NETSDK_LOGIN_INFO* login, NETSDK_StatusEventCallBack callback,
                          void* user) {
    if (!hasContext(login)) {
        SDK_LOG_NULL();
        return -1;
    }
    login->statusEvent = reinterpret_cast<void*>(callback);
    login->statusEventUser = user;
    return 0;
}

}  // extern "C"
