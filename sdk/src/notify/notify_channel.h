// The alarm notification channel: one TCP connection to a camera's alarm port, kept alive
// with keep-alive messages and reopened by itself, whose alarm messages go to a callback on
// a receive thread of its own.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

#include "netsdk.h"

struct CLIENT_NOTIFY_SESSION {
    int socket = -1;  // used by the receive thread only once it runs
    int32_t port = 0;
    char address[16] = {};  // cut to 15 characters
    std::thread thread;
    // run is set before the thread starts, so a destroy right after the create always ends
    // it; the lock and condition only make the thread's pauses end early on a destroy.
    std::atomic<bool> run{false};
    std::mutex lock;
    std::condition_variable wake;
    NETSDK_NotifyCallBack callback = nullptr;
    void* user = nullptr;
    bool freeOnExit = false;  // set and read by the receive thread only
};

// Connects to address:port (2000 ms) and starts the receive thread. NULL (logged) for a NULL
// address or callback, a port outside 1..65535, a failed connect or a thread that cannot
// start. A holder, where given, receives the session (or NULL) before the thread starts: a
// callback that runs at once, and logs out or subscribes again, then finds its own channel
// there. The caller must not touch the holder's owner after a successful return, since that
// callback may already have freed it.
CLIENT_NOTIFY_SESSION* CLIENT_NOTIFY_Creat(const char* address, int port,
                                           NETSDK_NotifyCallBack callback, void* user,
                                           CLIENT_NOTIFY_SESSION** holder = nullptr);

// Ends the receive thread, waits for it and frees the session; no callback runs after it
// returned. From the session's own callback it only ends the thread, which then frees the
// session. -1 for NULL.
int CLIENT_NOTIFY_Destory(CLIENT_NOTIFY_SESSION* session);
