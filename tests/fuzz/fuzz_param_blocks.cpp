// A parameter block reply: the first byte picks the parameter, the rest is the body behind a
// head that matches the request, so every record's conversion is reached; the whole input
// also goes through as a reply of its own, head included. A record read back is written
// again, as a page that saves it does.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "netsdk.h"
#include "param/param_block.h"
#include "param/param_table.h"

namespace {

constexpr int kFirstId = 2;
constexpr int kLastId = 44;

void putBig16(uint8_t* at, uint32_t value) {
    at[0] = static_cast<uint8_t>(value >> 8);
    at[1] = static_cast<uint8_t>(value);
}

std::vector<uint8_t> replyWithHead(const netsdk::param::ParamEntry& entry, const uint8_t* body,
                                   size_t bodySize) {
    std::vector<uint8_t> reply(kBlockHeadBytes + entry.wireSize, 0);
    const uint8_t head[] = {'K', 'T', 'V', 'Q', 0, 0, 0, 0, 0x01, 0x03};
    std::copy(head, head + sizeof head, reply.begin());
    putBig16(reply.data() + 4, entry.wireSize >> 16);
    putBig16(reply.data() + 6, entry.wireSize);
    putBig16(reply.data() + 12, static_cast<uint32_t>(entry.command));
    std::copy(body, body + std::min<size_t>(bodySize, entry.wireSize),
              reply.begin() + kBlockHeadBytes);
    return reply;
}

void readAndWriteBack(int id, const uint8_t* reply, size_t size) {
    const netsdk::param::ParamEntry* entry = netsdk::param::findParamById(id);
    if (entry == nullptr) {
        return;
    }
    const NETSDK_CHANNEL pair{0, 0};
    std::vector<uint8_t> record(entry->hostSize);
    if (_ParseBinaryBoy(&pair, reply, static_cast<int>(size), id, record.data(),
                        static_cast<int>(record.size())) != 0) {
        return;
    }
    std::vector<uint8_t> out(kBlockHeadBytes + entry->wireSize);
    uint32_t length = static_cast<uint32_t>(out.size());
    _MakeBinaryBoy(&pair, id, record.data(), static_cast<int>(record.size()), out.data(), &length);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    const int id = kFirstId + data[0] % (kLastId - kFirstId + 1);
    if (const netsdk::param::ParamEntry* entry = netsdk::param::findParamById(id)) {
        const std::vector<uint8_t> reply = replyWithHead(*entry, data + 1, size - 1);
        readAndWriteBack(id, reply.data(), reply.size());
    }
    readAndWriteBack(id, data + 1, size - 1);
    return 0;
}
