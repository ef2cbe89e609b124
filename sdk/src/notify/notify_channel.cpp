#include "notify/notify_channel.h"

#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <memory>
#include <new>
#include <system_error>

#include "log.h"
#include "transport/socket_transport.h"

namespace {

constexpr int kConnectTimeoutMs = 2000;
constexpr int kReconnectPauseMs = 1000;
// A message must come within this wait, else the round counts as silent.
constexpr int kMessageWaitMs = 1000;
// Every fifth silent round in a row sends a keep-alive; the third unanswered one drops the
// connection (after 5, 10 and 15 silent seconds).
constexpr int kSilentRoundsPerKeepAlive = 5;
constexpr int kKeepAlivesBeforeDrop = 3;
constexpr int kKeepAliveSendTimeoutMs = 1000;
constexpr int kMessageSize = sizeof(NETSDK_ALARM_EVENT);
static_assert(kMessageSize == 16, "alarm messages are 16 bytes on the wire");

enum class Receipt { kMessage, kSilent, kBroken };

void pauseFor(CLIENT_NOTIFY_SESSION& session, int ms) {
    std::unique_lock<std::mutex> guard(session.lock);
    session.wake.wait_for(guard, std::chrono::milliseconds(ms), [&] { return !session.run; });
}

// Waits up to ms for data (or a close) on the socket; true when something is there.
bool waitReadable(int socket, int ms) {
    pollfd entry{socket, POLLIN, 0};
    return ::poll(&entry, 1, ms) > 0;
}

// Collects one whole message. Bytes of a message that stops coming are dropped together with
// the connection: what follows them could no longer be told apart.
Receipt receiveMessage(int socket, NETSDK_ALARM_EVENT& event) {
    if (!waitReadable(socket, kMessageWaitMs)) {
        return Receipt::kSilent;
    }
    const int got = SOCKET_RecvTimeout(socket, reinterpret_cast<char*>(&event), kMessageSize, 0,
                                       kMessageWaitMs);
    return got == kMessageSize ? Receipt::kMessage : Receipt::kBroken;
}

void sendKeepAlive(int socket) {
    const char keepAlive[kMessageSize] = {};
    // A failed keep-alive shows as silence and ends in a reconnect anyway.
    SOCKET_SendTimeout(socket, keepAlive, kMessageSize, 0, kKeepAliveSendTimeoutMs);
}

void closeSocket(CLIENT_NOTIFY_SESSION& session) {
    if (session.socket != -1) {
        ::close(session.socket);
        session.socket = -1;
    }
}

// Counts silence on one connection.
struct SilenceCount {
    int silentRounds = 0;
    int keepAlivesSent = 0;
};

// One silent round: sends a keep-alive every fifth time; true when the connection is to be
// dropped after the third unanswered keep-alive.
bool onSilentRound(CLIENT_NOTIFY_SESSION& session, SilenceCount& count) {
    if (++count.silentRounds % kSilentRoundsPerKeepAlive != 0) {
        return false;
    }
    sendKeepAlive(session.socket);
    return ++count.keepAlivesSent >= kKeepAlivesBeforeDrop;
}

void receiveLoop(CLIENT_NOTIFY_SESSION* session) {
    // Waits until the creator has stored this thread's handle: a callback that destroys the
    // session tells by that handle whether it runs on this thread.
    { std::lock_guard<std::mutex> started(session->lock); }
    SilenceCount count;
    while (session->run) {
        if (session->socket == -1) {
            session->socket =
                SOCKET_ConnectTimeout(session->address, session->port, kConnectTimeoutMs);
            if (session->socket == -1) {
                pauseFor(*session, kReconnectPauseMs);
                continue;
            }
        }
        NETSDK_ALARM_EVENT event{};
        switch (receiveMessage(session->socket, event)) {
            case Receipt::kMessage:
                count = {};
                if (event.type != 0) {  // type 0 answers a keep-alive
                    session->callback(&event, session->user);
                }
                break;
            case Receipt::kSilent:
                if (onSilentRound(*session, count)) {
                    count = {};
                    closeSocket(*session);
                }
                break;
            case Receipt::kBroken:
                count = {};
                closeSocket(*session);
                break;
        }
    }
    closeSocket(*session);
    if (session->freeOnExit) {
        delete session;  // destroyed from its own callback: nobody else waits for it
    }
}

}  // namespace

CLIENT_NOTIFY_SESSION* CLIENT_NOTIFY_Creat(const char* address, int port,
                                           NETSDK_NotifyCallBack callback, void* user,
                                           CLIENT_NOTIFY_SESSION** holder) {
    CLIENT_NOTIFY_SESSION* unused = nullptr;
    CLIENT_NOTIFY_SESSION*& held = holder != nullptr ? *holder : unused;
    held = nullptr;
    if (address == nullptr || callback == nullptr || port < 1 || port > 65535) {
        SDK_LOG_NULL();
        return nullptr;
    }
    std::unique_ptr<CLIENT_NOTIFY_SESSION> session(new (std::nothrow) CLIENT_NOTIFY_SESSION);
    if (!session) {
        SDK_LOG_TEXT("Out of memory");
        return nullptr;
    }
    session->port = port;
    std::strncpy(session->address, address, sizeof session->address - 1);
    session->callback = callback;
    session->user = user;
    session->socket = SOCKET_ConnectTimeout(session->address, port, kConnectTimeoutMs);
    if (session->socket == -1) {
        SDK_LOG_RESULT(-1);
        return nullptr;
    }
    session->run = true;
    held = session.get();
    try {
        std::lock_guard<std::mutex> starting(session->lock);
        session->thread = std::thread(receiveLoop, session.get());
    } catch (const std::system_error& error) {
        held = nullptr;
        SDK_LOG_RESULT(error.code().value());
        closeSocket(*session);
        return nullptr;
    }
    return session.release();
}

int CLIENT_NOTIFY_Destory(CLIENT_NOTIFY_SESSION* session) {
    if (session == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    {
        std::lock_guard<std::mutex> guard(session->lock);
        session->run = false;
        session->wake.notify_all();
    }
    if (session->thread.get_id() == std::this_thread::get_id()) {
        // Called from the callback (a logout there): the thread cannot wait for itself. It
        // ends when the callback returns, without calling back again, and frees the session.
        session->freeOnExit = true;
        session->thread.detach();
        return 0;
    }
    if (session->thread.joinable()) {
        session->thread.join();
    }
    delete session;
    return 0;
}
