#include "command/http_context.h"

#include <chrono>
#include <cstdio>
#include <new>
#include <vector>

#include "command/command_table.h"
#include "http/http_auth.h"
#include "log.h"
#include "param/param_block.h"

namespace {

constexpr int kBufferCapacity = 1048576;
constexpr int kAuthorizationCapacity = 1024;
// How long an operation waits for its answer. It bounds the whole exchange, so a camera that
// trickles its answer cannot hold the caller's thread (often a GUI thread) any longer.
constexpr std::chrono::milliseconds kAnswerWait{10000};

int defaultCapacity() {
    return kBufferCapacity;
}

// A read always sends a block head: the head writer refuses every id without a block (the
// plain command paths among them), so such a read fails before anything is sent.
int addContentData(const NETSDK_CHANNEL* pair, int id, int, uint8_t* out, int outSize) {
    return _MakeHeadBinary(pair, id, out, outSize);
}

int parseReadHttpData(const NETSDK_CHANNEL* pair, int id, int, const uint8_t* reply, int length,
                      void* record, int recordSize) {
    return _ParseBinaryBoy(pair, reply, length, id, record, recordSize);
}

int makeWriteHttpData(const NETSDK_CHANNEL* pair, int id, int, const void* record, int recordSize,
                      uint8_t* out, uint32_t* length) {
    return _MakeBinaryBoy(pair, id, record, recordSize, out, length);
}

constexpr CORE_HTTP_OPERATIONS kDefaultOperations = {
    defaultCapacity, _ParseDataCommand, addContentData, parseReadHttpData, makeWriteHttpData,
};

void copyText(char* target, size_t size, const char* source) {
    std::snprintf(target, size, "%s", source);
}

// What the reply handlers of one exchange share with the requesting call.
struct ExchangeState {
    CORE_HTTP_CONTEXT* context;
    const HttpExchange* exchange;
    int bodyLength;
};

void reportAnswer(CORE_HTTP_CONTEXT* context, int status) {
    {
        std::lock_guard<std::mutex> guard(context->lock);
        context->status = status;
        context->answered = true;
    }
    context->answerArrived.notify_all();
}

void onBody(void* user, int error, char*, int count) {
    auto* state = static_cast<ExchangeState*>(user);
    state->bodyLength = error == 0 ? count : -1;
}

void onReply(void* user, int error, int status, int64_t) {
    auto* state = static_cast<ExchangeState*>(user);
    CORE_HTTP_CONTEXT* context = state->context;
    if (error != 0) {
        netsdk::logPlain(state->exchange->failureText, error);
        reportAnswer(context, 0);
        return;
    }
    if (status == 200 && state->exchange->readBody) {
        HTTP_CLIENT_ReadBody(context->client.get(), reinterpret_cast<char*>(context->buffer.data()),
                             static_cast<int>(context->capacity), HTTP_READ_WHOLE, onBody, state);
    }
    reportAnswer(context, status);
}

const char* methodName(HttpMethod method) {
    switch (method) {
        case HTTP_METHOD_GET:
            return "GET";
        case HTTP_METHOD_PUT:
            return "PUT";
        default:
            return "POST";
    }
}

int startRequest(CORE_HTTP_CONTEXT* context, const HttpExchange& exchange,
                 const std::vector<HTTP_HEADER>& headers, ExchangeState* state) {
    HTTP_CLIENT* client = context->client.get();
    const int count = static_cast<int>(headers.size());
    switch (exchange.method) {
        case HTTP_METHOD_GET:
            return HTTP_CLIENT_Get(client, exchange.path, headers.data(), count, exchange.body,
                                   exchange.bodyLength, onReply, state);
        case HTTP_METHOD_PUT:
            return HTTP_CLIENT_Put(client, exchange.path, headers.data(), count, exchange.body,
                                   exchange.bodyLength, onReply, state);
        default:
            return HTTP_CLIENT_Post(client, exchange.path, headers.data(), count, exchange.body,
                                    exchange.bodyLength, onReply, state);
    }
}

}  // namespace

CORE_HTTP_CONTEXT* CORE_HTTP_Create(const char* address, int port, const char* user,
                                    const char* password, const CORE_HTTP_OPERATIONS* operations,
                                    int reserved) {
    if (address == nullptr || user == nullptr || password == nullptr || operations == nullptr ||
        operations->capacity == nullptr) {
        SDK_LOG_NULL();
        return nullptr;
    }
    std::unique_ptr<CORE_HTTP_CONTEXT> context(new (std::nothrow) CORE_HTTP_CONTEXT);
    if (!context) {
        SDK_LOG_TEXT("Out of memory");
        return nullptr;
    }
    copyText(context->address, sizeof context->address, address);
    copyText(context->user, sizeof context->user, user);
    copyText(context->password, sizeof context->password, password);
    context->port = port;
    context->reserved = reserved;
    context->operations = *operations;
    const int capacity = operations->capacity();
    if (capacity <= 0) {
        SDK_LOG_RESULT(capacity);
        return nullptr;
    }
    try {
        context->buffer.assign(static_cast<size_t>(capacity) + 1, 0);
    } catch (const std::bad_alloc&) {
        SDK_LOG_TEXT("Out of memory");
        return nullptr;
    }
    context->capacity = static_cast<size_t>(capacity);
    context->client.reset(HTTP_CLIENT_Create(nullptr, "http", context->address, port));
    if (!context->client) {
        SDK_LOG_NULL();
        return nullptr;
    }
    HTTP_CLIENT_SetDeadline(context->client.get(), static_cast<int>(kAnswerWait.count()));
    return context.release();
}

CORE_HTTP_CONTEXT* CORE_HTTP_CreateDefault(const char* address, int port, const char* user,
                                           const char* password, int reserved) {
    return CORE_HTTP_Create(address, port, user, password, &kDefaultOperations, reserved);
}

int CORE_HTTP_Destory(CORE_HTTP_CONTEXT* context) {
    if (context == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    delete context;
    return 0;
}

void CORE_HTTP_SetTimeouts(CORE_HTTP_CONTEXT* context, int receiveMs, int sendMs) {
    if (context != nullptr && context->client) {
        HTTP_CLIENT_SetTimeouts(context->client.get(), receiveMs, sendMs);
    }
}

int CORE_HTTP_Exchange(CORE_HTTP_CONTEXT* context, const HttpExchange& exchange, int* bodyLength) {
    char authorization[kAuthorizationCapacity];
    const int made = HTTP_AUTH_Make(HTTP_AUTH_BASIC, context->user, context->password,
                                    methodName(exchange.method), exchange.path, exchange.body,
                                    exchange.bodyLength, authorization, sizeof authorization);
    if (made < 0) {
        SDK_LOG_RESULT(made);
        return -1;
    }
    std::vector<HTTP_HEADER> headers{{"Authorization", authorization}};
    headers.insert(headers.end(), exchange.headers, exchange.headers + exchange.headerCount);
    {
        std::lock_guard<std::mutex> guard(context->lock);
        context->status = 0;
        context->answered = false;
    }
    ExchangeState state{context, &exchange, -1};
    if (startRequest(context, exchange, headers, &state) != 0) {
        netsdk::logFailure(exchange.requestFunction, __LINE__,
                           "[%s] Return value is not success, %#x!", exchange.requestFunction, 1u);
        return -1;
    }
    // The client reports inside the request call; the wait covers an answer reported later
    // and ends as soon as one is, so a refusal returns at once.
    std::unique_lock<std::mutex> guard(context->lock);
    context->answerArrived.wait_for(guard, kAnswerWait, [context] { return context->answered; });
    if (bodyLength != nullptr) {
        *bodyLength = state.bodyLength;
    }
    return context->status;
}
