// The login handle behind the opaque NETSDK_LOGIN_INFO: what one logged-in camera needs.
// NETSDK_Login fills it; the stream and notify channels read its address and ports.
#pragma once

#include <cstdint>

#include "netsdk.h"

struct CORE_HTTP_CONTEXT;      // the HTTP command layer's context, owned
struct CLIENT_NOTIFY_SESSION;  // the alarm notification channel, owned once started

struct NETSDK_LOGIN_INFO {
    char ip[16];  // camera IPv4 address, cut to 15 characters
    uint32_t streamPort;
    uint32_t httpPort;
    char user[64];      // cut to 63 characters
    char password[64];  // cut to 63 characters
    CORE_HTTP_CONTEXT* http;
    uint8_t reserved[192];
    void* statusEvent;  // stored by NETSDK_SetStatusEvent; nothing calls it
    void* statusEventUser;
    CLIENT_NOTIFY_SESSION* notify;
};
