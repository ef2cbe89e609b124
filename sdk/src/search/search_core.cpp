#include "search_core.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>

#include "log.h"
#include "platform/clock.h"
#include "platform/multicast_socket.h"

namespace {

// Datagrams are read up to this size; the buffers hold one more byte for the NUL.
constexpr int kMaxDatagram = 2047;
constexpr int kBufferSize = kMaxDatagram + 1;
// How long a request may wait for room in the socket's send queue.
constexpr int kWritableTimeoutMs = 2000;
// Longest single wait of the receive loop, so that huge time-outs stay in int range.
constexpr uint64_t kLongestWaitMs = 1000;
constexpr int kSearchRequest = 0;

}  // namespace

struct CORE_SEARCH {
    std::unique_ptr<netsdk::platform::MulticastSocket> socket;
    char receiveBuffer[kBufferSize] = {};
    char sendBuffer[kBufferSize] = {};
    CORE_SEARCH_Builder builder = nullptr;
    CORE_SEARCH_Dispatcher dispatcher = nullptr;
    void* owner = nullptr;
};

CORE_SEARCH* CORE_SEARCH_Init(const char* group, int port, unsigned bindAddress) {
    if (group == nullptr || port <= 0 || port > UINT16_MAX) {
        SDK_LOG_RESULT(1);
        return nullptr;
    }
    auto socket =
        netsdk::platform::MulticastSocket::open(bindAddress, group, static_cast<uint16_t>(port));
    if (!socket) {
        SDK_LOG_RESULT(1);
        return nullptr;
    }
    auto* core = new (std::nothrow) CORE_SEARCH;
    if (core == nullptr) {
        SDK_LOG_TEXT("Out of memory");
        return nullptr;
    }
    core->socket = std::move(socket);
    return core;
}

int CORE_SEARCH_SetCallback(CORE_SEARCH* core, CORE_SEARCH_Builder builder,
                            CORE_SEARCH_Dispatcher dispatcher, void* owner) {
    if (core == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    core->builder = builder;
    core->dispatcher = dispatcher;
    core->owner = owner;
    return 0;
}

int CORE_SEARCH_SendDataPack(CORE_SEARCH* core, int type, const void* record) {
    if (core == nullptr || core->builder == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    std::memset(core->sendBuffer, 0, sizeof core->sendBuffer);
    const int built = core->builder(type, record, core->owner, core->sendBuffer, kBufferSize);
    if (built != 0) {
        SDK_LOG_RESULT(built);
        return -1;
    }
    const int sent = core->socket->sendToGroup(core->sendBuffer, std::strlen(core->sendBuffer),
                                               kWritableTimeoutMs);
    if (sent != 0) {
        SDK_LOG_RESULT(sent);
        return -1;
    }
    return 0;
}

int CORE_SEARCH_RecvDataPack(CORE_SEARCH* core, int timeoutSeconds) {
    if (core == nullptr || core->dispatcher == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    const uint64_t start = netsdk::platform::monotonicMilliseconds();
    const uint64_t limit = timeoutSeconds > 0 ? static_cast<uint64_t>(timeoutSeconds) * 1000 : 0;
    // The clock is read on every round, so a steady stream of answers cannot hold the loop
    // open past its time-out.
    for (uint64_t elapsed = 0; elapsed <= limit;
         elapsed = netsdk::platform::monotonicMilliseconds() - start) {
        // One millisecond more, so that an empty wait ends just past the limit.
        const int waitMs = static_cast<int>(std::min(limit - elapsed + 1, kLongestWaitMs));
        sockaddr_in source{};
        const int received =
            core->socket->receive(core->receiveBuffer, kMaxDatagram, waitMs, &source);
        if (received < 0) {
            SDK_LOG_RESULT(received);
            break;
        }
        if (received == 0) {
            continue;
        }
        core->receiveBuffer[received] = '\0';
        if (core->dispatcher(core->owner, core->receiveBuffer) != 0) {
            break;
        }
    }
    return 0;
}

int CORE_SEARCH_Start(CORE_SEARCH* core, int timeoutSeconds) {
    // A search whose request never went out would pass for a network without cameras.
    if (CORE_SEARCH_SendDataPack(core, kSearchRequest, nullptr) != 0) {
        return -1;
    }
    CORE_SEARCH_RecvDataPack(core, timeoutSeconds);
    return 0;
}

int CORE_SEARCH_Exit(CORE_SEARCH* core) {
    if (core == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    delete core;  // The socket leaves the group as it closes.
    return 0;
}
