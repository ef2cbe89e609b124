// A parameter block reply: the first byte picks the parameter, the rest is the body behind a
// head that matches the request, so every record's conversion is reached; the whole input
// also goes through as a reply of its own, head included. A record read back is written
// again, as a page that saves it does.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "netsdk.h"
#include "param/param_block.h"
#include "param/param_table.h"
#include "param_reply.h"

namespace {

constexpr int kFirstId = 2;
constexpr int kLastId = 44;

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
        const std::vector<uint8_t> reply = param_reply::withHead(*entry, data + 1, size - 1);
        readAndWriteBack(id, reply.data(), reply.size());
    }
    readAndWriteBack(id, data + 1, size - 1);
    return 0;
}
