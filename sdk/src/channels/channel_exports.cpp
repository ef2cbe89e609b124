// The exported upgrade, intercom and OSD-refresh calls with their camera ports.
#include "channels/send_channel.h"
#include "channels/upgrade_client.h"
#include "netsdk.h"

namespace {

constexpr int kUpgradePort = 8001;
constexpr int kIntercomPort = 9265;
constexpr int kOsdRefreshPort = 9266;

}  // namespace

int NETSDK_UpgradeFirmware(const char* ip, const char* filePath, NETSDK_UpgradeCallBack progress,
                           void* user) {
    return CLIENT_UPGRADE_Firmware(ip, kUpgradePort, filePath, progress, user);
}

NETSDK_SEND_CHANNEL* NETSDK_IntercomCalled(const char* ip) {
    return CLIENT_INTERCOM_Called(ip, kIntercomPort);
}

int NETSDK_IntercomSend(NETSDK_SEND_CHANNEL* channel, const char* data, int length) {
    return CLIENT_INTERCOM_Send(channel, data, length);
}

int NETSDK_IntercomHungUp(NETSDK_SEND_CHANNEL* channel) {
    return CLIENT_INTERCOM_HungUp(channel);
}

NETSDK_SEND_CHANNEL* NETSDK_OsdRefreshStart(const char* ip) {
    return CLIENT_OSDREFRESH_Start(ip, kOsdRefreshPort);
}

int NETSDK_OsdRefreshSend(NETSDK_SEND_CHANNEL* channel, const char* data) {
    return CLIENT_OSDREFRESH_Send(channel, data);
}

int NETSDK_OsdRefreshStop(NETSDK_SEND_CHANNEL* channel) {
    return CLIENT_OSDREFRESH_Stop(channel);
}
