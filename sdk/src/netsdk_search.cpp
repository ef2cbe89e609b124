// The search exports: find the cameras of one local network, change their network
// settings and send them numbered commands, all by multicast and without a login.
#include "log.h"
#include "netsdk.h"
#include "search/search_client.h"

namespace {

constexpr char kSearchGroup[] = "239.255.255.250";
constexpr int kSearchPort = 19128;

}  // namespace

extern "C" int NETSDK_SearchDevice(NETSDK_SearchCallBack found, void* user, int timeoutSeconds,
                                   unsigned bindAddress) {
    if (found == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    CLIENT_SEARCH* client = CLIENT_SEARCH_Init(kSearchGroup, kSearchPort, bindAddress);
    if (client == nullptr) {
        SDK_LOG_TEXT("Search Init failed.");
        return -1;
    }
    CLIENT_SEARCH_SetCallback(client, found, nullptr, user);
    const int searched = CLIENT_SEARCH_Start(client, timeoutSeconds);
    const int closed = CLIENT_SEARCH_Exit(client);
    return searched == 0 && closed == 0 ? 0 : -1;
}

extern "C" int NETSDK_SetDeviceConfig(NETSDK_AckCallBack ack, void* user,
                                      const NETSDK_SEARCH_DEVICE_INFO* devices, int count,
                                      int timeoutSeconds, unsigned bindAddress) {
    if (devices == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    CLIENT_SEARCH* client = CLIENT_SEARCH_Init(kSearchGroup, kSearchPort, bindAddress);
    if (client == nullptr) {
        SDK_LOG_TEXT("Search Init failed.");
        return -1;
    }
    CLIENT_SEARCH_SetCallback(client, nullptr, ack, user);
    const int sent = CLIENT_SEARCH_SetLanConfig(client, devices, count, timeoutSeconds);
    const int closed = CLIENT_SEARCH_Exit(client);
    return sent == 0 && closed == 0 ? 0 : -1;
}

extern "C" int NETSDK_ProductCommand(NETSDK_AckCallBack ack, void* user,
                                     const NETSDK_PRODUCT_COMMAND* commands, int count,
                                     int timeoutSeconds, unsigned bindAddress) {
    if (commands == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    CLIENT_SEARCH* client = CLIENT_SEARCH_Init(kSearchGroup, kSearchPort, bindAddress);
    if (client == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    CLIENT_SEARCH_SetCallback(client, nullptr, ack, user);
    const int sent = CLIENT_SEARCH_ProductCommand(client, commands, count, timeoutSeconds);
    const int closed = CLIENT_SEARCH_Exit(client);
    if (closed != 0) {
        SDK_LOG_RESULT(closed);
        return -1;
    }
    return sent == 0 ? 0 : -1;
}
