// JSON product-test commands and snapshots: a request whose 200 answer goes to the
// caller's callback before the call returns.
#include <cstdio>
#include <cstring>

#include "command/command_table.h"
#include "command/http_operations.h"
#include "log.h"

namespace {

constexpr int kPathCapacity = 128;
constexpr int kQueryCapacity = 64;

bool productPath(CORE_HTTP_CONTEXT* context, int id, const char* query, char* path) {
    int kind = 0;
    const int result = context->operations.parseDataCommand(context, id, &kind, path,
                                                            kPathCapacity - kQueryCapacity);
    if (result != 0) {
        SDK_LOG_RESULT(result);
        return false;
    }
    std::strcat(path, query);
    return true;
}

}  // namespace

int CORE_HTTP_ProductTest(CORE_HTTP_CONTEXT* context, int command, NETSDK_ProductCallBack reply,
                          const char* jsonText, void* user) {
    if (context == nullptr || !context->client) {
        SDK_LOG_NULL();
        return -1;
    }
    if (command < 0) {
        SDK_LOG_RESULT(1);
        return -1;
    }
    if (reply == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    char query[kQueryCapacity];
    std::snprintf(query, sizeof query, "?Cmd=%x", static_cast<unsigned>(command));
    char path[kPathCapacity];
    if (!productPath(context, COMMAND_PRODUCT_TEST, query, path)) {
        return -1;
    }
    int bodyLength = 0;
    if (jsonText != nullptr) {
        bodyLength = static_cast<int>(strnlen(jsonText, context->capacity));
        std::memcpy(context->buffer.data(), jsonText, bodyLength);
    }
    const HTTP_HEADER contentType{"Content-Type", "application/json"};
    const HttpExchange exchange{HTTP_METHOD_POST,
                                path,
                                &contentType,
                                jsonText != nullptr ? 1 : 0,
                                reinterpret_cast<const char*>(context->buffer.data()),
                                bodyLength,
                                true,
                                "_http_client_product_data",
                                "http server reply error: %d\n"};
    int replyLength = -1;
    const int status = CORE_HTTP_Exchange(context, exchange, &replyLength);
    if (status != 200 || replyLength < 0) {
        if (status >= 0) {
            SDK_LOG_RESULT(status);
        }
        return -1;
    }
    char* text = reinterpret_cast<char*>(context->buffer.data());
    text[replyLength] = '\0';
    reply(command, 0, text, user);
    return 0;
}

int CORE_HTTP_Snapshot(CORE_HTTP_CONTEXT* context, const NETSDK_CHANNEL* channel,
                       NETSDK_SnapshotCallBack picture, void* user) {
    if (context == nullptr || !context->client || channel == nullptr || picture == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    char query[kQueryCapacity];
    std::snprintf(query, sizeof query, "?Channel=%x&Stream=%x",
                  static_cast<unsigned>(channel->channel), static_cast<unsigned>(channel->stream));
    char path[kPathCapacity];
    if (!productPath(context, COMMAND_SNAPSHOT, query, path)) {
        return -1;
    }
    const HttpExchange exchange{HTTP_METHOD_GET,
                                path,
                                nullptr,
                                0,
                                nullptr,
                                0,
                                true,
                                "_http_client_read_data",
                                "http server reply error: %d\n"};
    int pictureLength = -1;
    const int status = CORE_HTTP_Exchange(context, exchange, &pictureLength);
    if (status != 200 || pictureLength < 0) {
        if (status >= 0) {
            SDK_LOG_RESULT(status);
        }
        return -1;
    }
    picture(reinterpret_cast<const char*>(context->buffer.data()), pictureLength, user);
    return 0;
}
