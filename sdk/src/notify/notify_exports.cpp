// NETSDK_Notify: the alarm channel of a login, kept in the login record until logout.
#include "log.h"
#include "login_info.h"
#include "netsdk.h"
#include "notify/notify_channel.h"

namespace {

constexpr int kAlarmPort = 9267;

}  // namespace

int NETSDK_Notify(NETSDK_LOGIN_INFO* login, NETSDK_NotifyCallBack event, void* user) {
    if (login == nullptr || event == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    // One channel per login: the old one ends before the new one starts, so no thread is
    // left calling an old callback with memory its owner may already have freed.
    if (login->notify != nullptr) {
        CLIENT_NOTIFY_Destory(login->notify);
        login->notify = nullptr;
    }
    // The login holds its channel before the first alarm can arrive, and is not touched
    // afterwards: that alarm's callback may log out and free it.
    return CLIENT_NOTIFY_Creat(login->ip, kAlarmPort, event, user, &login->notify) != nullptr ? 0
                                                                                              : -1;
}
