#include "param/param_block.h"

#include <cstring>

#include "log.h"
#include "param/block_converter.h"
#include "param/param_table.h"

using netsdk::param::ParamEntry;

namespace {

constexpr uint8_t kMagic[4] = {'K', 'T', 'V', 'Q'};
constexpr uint8_t kVersion[2] = {0x01, 0x03};
constexpr int kFirstBlockId = 20;
constexpr int kLastBlockId = 44;
constexpr int kHighestCommand = 25;
constexpr int kUnusedCommand = 16;

void putBigEndian16(uint8_t* at, uint32_t value) {
    at[0] = static_cast<uint8_t>(value >> 8);
    at[1] = static_cast<uint8_t>(value);
}

void putBigEndian32(uint8_t* at, uint32_t value) {
    putBigEndian16(at, value >> 16);
    putBigEndian16(at + 2, value);
}

uint32_t bigEndian16(const uint8_t* at) {
    return (uint32_t{at[0]} << 8) | at[1];
}

uint32_t bigEndian32(const uint8_t* at) {
    return (bigEndian16(at) << 16) | bigEndian16(at + 2);
}

// The channel field carries the low 16 bits of the pair's second member (the stream).
uint32_t channelField(const NETSDK_CHANNEL* pair) {
    return static_cast<uint32_t>(pair->stream) & 0xFFFF;
}

void writeHead(uint8_t* out, const ParamEntry& entry, uint32_t channel) {
    std::memcpy(out, kMagic, 4);
    putBigEndian32(out + 4, entry.wireSize);
    std::memcpy(out + 8, kVersion, 2);
    putBigEndian16(out + 10, channel);
    putBigEndian16(out + 12, static_cast<uint32_t>(entry.command));
    putBigEndian16(out + 14, 0);
}

// The entry that a reply's head names, after checking it against the caller's request.
const ParamEntry* checkReplyHead(const NETSDK_CHANNEL* pair, const uint8_t* reply, int received,
                                 int id, int recordSize) {
    if (received < kBlockHeadBytes) {
        SDK_LOG_RESULT(1);
        return nullptr;
    }
    if (std::memcmp(reply, kMagic, 4) != 0 || std::memcmp(reply + 8, kVersion, 2) != 0) {
        SDK_LOG_RESULT(1);
        return nullptr;
    }
    const int command = static_cast<int>(bigEndian16(reply + 12));
    if (command > kHighestCommand || command == kUnusedCommand) {
        return nullptr;
    }
    const ParamEntry* entry = netsdk::param::findParamByCommand(command);
    if (entry == nullptr || entry->id != id) {
        SDK_LOG_RESULT(1);
        return nullptr;
    }
    if (static_cast<uint32_t>(recordSize) != entry->hostSize) {
        SDK_LOG_RESULT(1);
        return nullptr;
    }
    if (entry->replyChannelChecked && bigEndian16(reply + 10) != channelField(pair)) {
        SDK_LOG_RESULT(1);
        return nullptr;
    }
    if (bigEndian32(reply + 4) != entry->wireSize) {
        SDK_LOG_RESULT(1);
        return nullptr;
    }
    // The context's buffer is reused between requests: a short reply must not let stale
    // bytes of an earlier one pass for its body.
    if (static_cast<uint32_t>(received - kBlockHeadBytes) < entry->wireSize) {
        SDK_LOG_RESULT(1);
        return nullptr;
    }
    if (entry->rules == nullptr) {
        SDK_LOG_TEXT("No conversion for this parameter block.");
        return nullptr;
    }
    return entry;
}

}  // namespace

int _MakeHeadBinary(const NETSDK_CHANNEL* pair, int id, uint8_t* out, int outSize) {
    if (out == nullptr || pair == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    const ParamEntry* entry = netsdk::param::findParamById(id);
    if (id < kFirstBlockId || id > kLastBlockId || entry == nullptr) {
        return -1;
    }
    if (outSize < kBlockHeadBytes) {
        SDK_LOG_RESULT(1);
        return -1;
    }
    writeHead(out, *entry, entry->getChannelZero ? 0 : channelField(pair));
    return kBlockHeadBytes;
}

int _ParseBinaryBoy(const NETSDK_CHANNEL* pair, const uint8_t* reply, int received, int id,
                    void* record, int recordSize) {
    if (pair == nullptr || reply == nullptr || record == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    const ParamEntry* entry = checkReplyHead(pair, reply, received, id, recordSize);
    if (entry == nullptr) {
        return -1;
    }
    // Converted into scratch first, so the caller's record changes only on success.
    alignas(8) uint8_t scratch[netsdk::param::kLargestHostRecord] = {};
    if (!netsdk::param::convertReply(entry->rules->reply, reply + kBlockHeadBytes, scratch)) {
        SDK_LOG_RESULT(1);
        return -1;
    }
    std::memcpy(record, scratch, entry->hostSize);
    return 0;
}

int _MakeBinaryBoy(const NETSDK_CHANNEL* pair, int id, const void* record, int recordSize,
                   uint8_t* out, uint32_t* length) {
    if (pair == nullptr || record == nullptr || length == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    const ParamEntry* entry = netsdk::param::findParamById(id);
    if (entry == nullptr) {
        return -1;
    }
    if (entry->bodiless) {
        if (out == nullptr) {
            SDK_LOG_NULL();
            return -1;
        }
        std::memset(out, 0, *length);
        *length = 0;
        return 0;
    }
    if (!entry->canSet) {
        return -1;
    }
    if (recordSize < 0 || static_cast<uint32_t>(recordSize) != entry->hostSize) {
        SDK_LOG_RESULT(1);
        return -1;
    }
    if (*length < kBlockHeadBytes + entry->wireSize) {
        SDK_LOG_RESULT(1);
        return -1;
    }
    if (out == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    if (entry->rules == nullptr) {
        SDK_LOG_TEXT("No conversion for this parameter block.");
        return -1;
    }
    std::memset(out, 0, kBlockHeadBytes + entry->wireSize);
    writeHead(out, *entry, channelField(pair));
    if (!netsdk::param::convertRequest(entry->rules->request, static_cast<const uint8_t*>(record),
                                       out + kBlockHeadBytes)) {
        SDK_LOG_RESULT(1);
        std::memset(out, 0, kBlockHeadBytes + entry->wireSize);
        return -1;
    }
    *length = kBlockHeadBytes + entry->wireSize;
    return 0;
}
