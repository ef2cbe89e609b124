#include "channels/upgrade_client.h"

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <new>
#include <vector>

#include "big_endian.h"
#include "log.h"
#include "transport/socket_transport.h"

namespace {

using netsdk::readBig32;
using netsdk::writeBig32;

constexpr int kConnectTimeoutMs = 40000;
// The camera writes flash between messages; each piece's send and each progress wait may
// take this.
constexpr int kTransferTimeoutMs = 20000;
constexpr size_t kHeadSize = 16;
constexpr size_t kProgressSize = 16;
constexpr uint8_t kMagic[4] = {'K', 'T', 'V', 'Q'};
constexpr uint32_t kUpgradeCommand = 0x1001;
constexpr uint32_t kProgressCode = 0x1002;
constexpr int kDonePercent = 100;
// The head carries the length in 32 bits: larger files cannot be announced.
constexpr uint64_t kLargestFile = std::numeric_limits<uint32_t>::max();
// Sends go out in pieces of this size, each within its own time-out: a camera that takes a
// piece slower than that ends the upgrade instead of holding its worker.
constexpr size_t kSendPiece = 1 << 20;

struct UpgradeSession {
    int socket = -1;
    char address[16] = {};  // passed to the callback, cut to 15 characters
    NETSDK_UpgradeCallBack callback = nullptr;
    void* user = nullptr;

    ~UpgradeSession() {
        if (socket != -1) {
            ::close(socket);
        }
    }
};

struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};

// Reads the whole file behind room for the head, before any connection is made: a camera
// must never be promised a length that is not sent. false (logged) when the file cannot be
// read whole or is too large to announce.
bool loadWithHead(const char* filePath, std::vector<uint8_t>& message) {
    std::unique_ptr<FILE, FileCloser> file(std::fopen(filePath, "rb"));
    if (!file || std::fseek(file.get(), 0, SEEK_END) != 0) {
        SDK_LOG_RESULT(-1);
        return false;
    }
    const long length = std::ftell(file.get());
    if (length < 0 || static_cast<uint64_t>(length) > kLargestFile ||
        std::fseek(file.get(), 0, SEEK_SET) != 0) {
        SDK_LOG_RESULT(static_cast<unsigned>(length));
        return false;
    }
    try {
        message.assign(kHeadSize + static_cast<size_t>(length), 0);
    } catch (const std::bad_alloc&) {
        SDK_LOG_TEXT("Out of memory");
        return false;
    }
    const size_t got =
        std::fread(message.data() + kHeadSize, 1, static_cast<size_t>(length), file.get());
    if (got != static_cast<size_t>(length)) {
        netsdk::logPlain("fread(%ld bytes) failed\n", length);
        return false;
    }
    std::memcpy(message.data(), kMagic, sizeof kMagic);
    writeBig32(message.data() + 4, kUpgradeCommand);
    writeBig32(message.data() + 12, static_cast<uint32_t>(length));
    return true;
}

int _UPGRADE_SendFirmwareFile(UpgradeSession& session, const std::vector<uint8_t>& message) {
    for (size_t offset = 0; offset < message.size(); offset += kSendPiece) {
        const int piece = static_cast<int>(std::min(kSendPiece, message.size() - offset));
        const int sent = SOCKET_SendTimeout(session.socket,
                                            reinterpret_cast<const char*>(message.data() + offset),
                                            piece, 0, kTransferTimeoutMs);
        if (sent != piece) {
            SDK_LOG_RESULT(sent);
            return -1;
        }
    }
    return 0;
}

// Reads progress messages until 100 percent or a cancel. Each message is read whole, so one
// that arrives in pieces is still read as one.
int _UPGRADE_RecvProgressThread(UpgradeSession& session) {
    int percent = 0;
    for (;;) {
        uint8_t message[kProgressSize];
        const int got = SOCKET_RecvTimeout(session.socket, reinterpret_cast<char*>(message),
                                           sizeof message, 0, kTransferTimeoutMs);
        if (got != static_cast<int>(sizeof message)) {
            SDK_LOG_RESULT(got);
            return -1;
        }
        if (std::memcmp(message, kMagic, sizeof kMagic) == 0 ||
            readBig32(message + 4) == kProgressCode) {
            percent = static_cast<int>(readBig32(message + 8));
        }
        const int answer = session.callback(percent, session.address, session.user);
        if (answer != 0) {
            SDK_LOG_TEXT("User cancel upgrade...");
            return answer;
        }
        if (percent >= kDonePercent) {
            return 0;
        }
    }
}

}  // namespace

int CLIENT_UPGRADE_Firmware(const char* address, int port, const char* filePath,
                            NETSDK_UpgradeCallBack callback, void* user) {
    if (address == nullptr || filePath == nullptr || callback == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    std::vector<uint8_t> message;
    if (!loadWithHead(filePath, message)) {
        return -1;
    }
    UpgradeSession session;
    std::strncpy(session.address, address, sizeof session.address - 1);
    session.callback = callback;
    session.user = user;
    session.socket = SOCKET_ConnectTimeout(address, port, kConnectTimeoutMs);
    if (session.socket == -1) {
        SDK_LOG_RESULT(-1);
        return -1;
    }
    if (_UPGRADE_SendFirmwareFile(session, message) != 0) {
        return -1;
    }
    return _UPGRADE_RecvProgressThread(session);
}
