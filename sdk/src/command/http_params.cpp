// Reading and writing parameter blocks, and the bodiless reset, reboot and alarm tone.
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "command/command_table.h"
#include "command/http_operations.h"
#include "log.h"

namespace {

constexpr int kPathCapacity = 128;

// Path of id: the room given is one byte short of the buffer for reads, as for snapshots.
bool resolvePath(CORE_HTTP_CONTEXT* context, int id, int room, char* path, int* kind) {
    const int result = context->operations.parseDataCommand(context, id, kind, path, room);
    if (result != 0) {
        SDK_LOG_RESULT(result);
        return false;
    }
    return true;
}

// Reads block id: the answer's HTTP status (0 when none came), or -1 when the read could not
// be sent. converted tells whether a 200 reply passed the block checks into record.
int readBlock(CORE_HTTP_CONTEXT* context, int channel, int stream, int id, void* record,
              int recordSize, bool& converted) {
    converted = false;
    if (context == nullptr || record == nullptr || !context->client) {
        SDK_LOG_NULL();
        return -1;
    }
    char path[kPathCapacity];
    int kind = 0;
    if (!resolvePath(context, id, kPathCapacity - 1, path, &kind)) {
        return -1;
    }
    const NETSDK_CHANNEL pair{channel, stream};
    uint8_t* buffer = context->buffer.data();
    const int headLength = context->operations.addContentData(&pair, id, kind, buffer,
                                                              static_cast<int>(context->capacity));
    if (headLength < 0) {
        SDK_LOG_RESULT(headLength);
        return -1;
    }
    const HttpExchange exchange{HTTP_METHOD_GET,
                                path,
                                nullptr,
                                0,
                                reinterpret_cast<const char*>(buffer),
                                headLength,
                                true,
                                "_http_client_read_data",
                                "http server reply error: %d\n"};
    int bodyLength = -1;
    const int status = CORE_HTTP_Exchange(context, exchange, &bodyLength);
    if (status < 0) {
        return -1;
    }
    netsdk::logPlain("[%s]-%d: pSession->nHttpStatusCode:%d \n\r\n", "CORE_HTTP_GetParam", __LINE__,
                     status);
    if (status == 200 && bodyLength >= 0) {
        converted = context->operations.parseReadHttpData(&pair, id, kind, buffer, bodyLength,
                                                          record, recordSize) == 0;
    }
    return status;
}

}  // namespace

int CORE_HTTP_GetParam(CORE_HTTP_CONTEXT* context, int channel, int stream, int id, void* record,
                       int recordSize) {
    bool converted = false;
    const int status = readBlock(context, channel, stream, id, record, recordSize, converted);
    // A reply that fails the block checks must not pass for success: the caller would keep
    // (and later write back) a record the camera never sent.
    return status == 200 && converted ? 0 : -1;
}

int CORE_HTTP_GetParamStatus(CORE_HTTP_CONTEXT* context, int channel, int stream, int id,
                             void* record, int recordSize) {
    bool converted = false;
    return readBlock(context, channel, stream, id, record, recordSize, converted);
}

int CORE_HTTP_SetParam(CORE_HTTP_CONTEXT* context, int channel, int stream, int id,
                       const void* record, int recordSize) {
    if (context == nullptr || !context->client || context->operations.parseDataCommand == nullptr ||
        context->operations.makeWriteHttpData == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    char path[kPathCapacity];
    int kind = 0;
    if (!resolvePath(context, id, kPathCapacity, path, &kind)) {
        return -1;
    }
    const NETSDK_CHANNEL pair{channel, stream};
    uint32_t length = static_cast<uint32_t>(context->capacity);
    const int made = context->operations.makeWriteHttpData(&pair, id, kind, record, recordSize,
                                                           context->buffer.data(), &length);
    if (made != 0) {
        SDK_LOG_RESULT(made);
        return -1;
    }
    if (id == COMMAND_ALARM_TONE) {
        // The tone travels in the query, counted from 1; it needs a whole word to read.
        if (recordSize < static_cast<int>(sizeof(int32_t))) {
            SDK_LOG_RESULT(1);
            return -1;
        }
        int32_t tone = 0;
        std::memcpy(&tone, record, sizeof tone);
        char query[64];
        std::snprintf(query, sizeof query, "?Action=Play&Type=Type%02lld",
                      static_cast<long long>(tone) + 1);
        const size_t used = std::strlen(path);
        std::snprintf(path + used, sizeof path - used, "%s", query);
    }
    const HttpExchange exchange{HTTP_METHOD_PUT,
                                path,
                                nullptr,
                                0,
                                reinterpret_cast<const char*>(context->buffer.data()),
                                static_cast<int>(length),
                                false,
                                "_http_client_write_data",
                                "http server response error: %d\n"};
    const int status = CORE_HTTP_Exchange(context, exchange, nullptr);
    if (status != 200) {
        if (status >= 0) {
            SDK_LOG_RESULT(status);
        }
        return -1;
    }
    return 0;
}
