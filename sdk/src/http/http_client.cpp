#include "http/http_client.h"

#include <strings.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <mutex>
#include <new>
#include <string>

#include "http/http_buffer.h"
#include "http/http_cookie.h"
#include "http/http_response_parser.h"
#include "log.h"

namespace {

constexpr size_t kMaxHostLength = 127;
constexpr int kDefaultDataTimeoutMs = 20000;
// The stored cookie is sent back in every request head; a longer one is not kept.
constexpr size_t kMaxCookieLength = 511;

// What one receive of the transport reported.
struct Received {
    int error = 0;
    const char* data = nullptr;
    int count = 0;
};

void onReceived(void* user, int error, const char* buffer, int count) {
    auto* received = static_cast<Received*>(user);
    received->error = error;
    received->data = buffer;
    received->count = count;
}

void onSent(void* user, int error) {
    *static_cast<int*>(user) = error;
}

bool isSafeHost(const char* host) {
    for (const char* c = host; *c != '\0'; ++c) {
        const unsigned char byte = static_cast<unsigned char>(*c);
        if (byte <= 0x20 || byte == 0x7f || byte == '/') {
            return false;
        }
    }
    return true;
}

}  // namespace

struct HTTP_CLIENT {
    const SOCKET_TRANSPORT* transport = nullptr;
    std::string host;
    int port = 0;
    int receiveTimeoutMs = kDefaultDataTimeoutMs;
    int sendTimeoutMs = kDefaultDataTimeoutMs;
    int exchangeMs = -1;  // the whole request's time, negative without limit
    std::chrono::steady_clock::time_point deadline;  // of the request running, with exchangeMs

    // One for the caller until HTTP_CLIENT_Destroy, one more while a request runs.
    std::atomic<int> references{1};
    // Guards reply and replyUser: HTTP_CLIENT_Destroy clears them while the request's thread
    // may be about to call them. Recursive, because Destroy may come from inside the reply.
    std::recursive_mutex replyLock;
    HTTP_ReplyCallback reply = nullptr;
    void* replyUser = nullptr;

    std::string cookie;
    HttpResponseParser parser;
    SOCKET_CONNECTION* connection = nullptr;
    // Body bytes decoded but not yet handed to the caller, from bodyRead on.
    HttpBuffer body;
    size_t bodyRead = 0;
    // Set when the body failed to decode; HTTP_CLIENT_ReadBody reports it.
    int bodyError = 0;

    void closeConnection() {
        if (connection != nullptr) {
            transport->close(connection);
            connection = nullptr;
        }
    }
};

namespace {

void release(HTTP_CLIENT* client) {
    if (client->references.fetch_sub(1) == 1) {
        client->closeConnection();
        delete client;
    }
}

// Cuts a wait of timeoutMs (negative: without limit) to what is left of the request's
// time. 0 when nothing is left.
int withinDeadline(const HTTP_CLIENT* client, int timeoutMs) {
    if (client->exchangeMs < 0) {
        return timeoutMs;
    }
    using std::chrono::milliseconds;
    const auto left =
        std::chrono::ceil<milliseconds>(client->deadline - std::chrono::steady_clock::now());
    const int leftMs = static_cast<int>(std::max<milliseconds::rep>(left.count(), 0));
    return timeoutMs < 0 ? leftMs : std::min(timeoutMs, leftMs);
}

// Gives the connection the waits that still fit the request's time; false when none is left.
bool applyWaits(HTTP_CLIENT* client) {
    const int receiveMs = withinDeadline(client, client->receiveTimeoutMs);
    const int sendMs = withinDeadline(client, client->sendTimeoutMs);
    client->transport->setTimeouts(client->connection, client->transport->connectTimeoutMs,
                                   receiveMs, sendMs);
    return receiveMs != 0 && sendMs != 0;
}

// Opens the request's connection. The transport's connect wait is cut to what is left of the
// request's time: a camera that never completes the handshake must not outlast it.
SOCKET_CONNECTION* openConnection(const HTTP_CLIENT* client) {
    SOCKET_TRANSPORT bounded = *client->transport;
    bounded.connectTimeoutMs = withinDeadline(client, bounded.connectTimeoutMs);
    return bounded.create(&bounded, nullptr, client->host.c_str(), client->port);
}

// Receives once and feeds the parser. Returns the parser's result, or a negative code for
// a failed or timed-out receive or a connection that ended before the answer was whole.
int receiveAndParse(HTTP_CLIENT* client) {
    // A peer that trickles its answer meets every single wait; the request's time ends it.
    if (!applyWaits(client)) {
        return SOCKET_TIMED_OUT;
    }
    Received received;
    client->transport->receive(client->connection, onReceived, &received);
    if (received.count < 0) {
        return received.count;
    }
    if (received.error < 0) {
        return received.error;
    }
    if (received.count == 0) {
        return client->parser.finish();
    }
    int length = received.count;
    return client->parser.input(received.data, &length);
}

// Keeps the first name=value pair of the answer's Set-Cookie for later requests.
void storeCookie(HTTP_CLIENT* client) {
    const std::string* setCookie = client->parser.header("Set-Cookie");
    if (setCookie == nullptr) {
        return;
    }
    const auto cookie = HTTP_COOKIE_Parse(setCookie->data(), static_cast<int>(setCookie->size()));
    if (!cookie) {
        return;
    }
    const std::string pair = cookie->name + "=" + cookie->value;
    // A cut or line-breaking cookie would be a different, broken one: keep the old instead.
    if (pair.size() > kMaxCookieLength || pair.find_first_of("\r\n") != std::string::npos) {
        SDK_LOG_TEXT("Set-Cookie value refused");
        return;
    }
    client->cookie = pair;
}

void report(HTTP_CLIENT* client, int error, int status, int64_t contentLength) {
    std::lock_guard<std::recursive_mutex> guard(client->replyLock);
    if (client->reply != nullptr) {
        client->reply(client->replyUser, error, status, contentLength);
    }
}

// Sends the head and body, then receives until the answer's head is whole, and reports.
void exchange(HTTP_CLIENT* client, const std::string& head, const HttpRequest& request) {
    if (!applyWaits(client)) {
        report(client, SOCKET_TIMED_OUT, 0, 0);
        return;
    }
    int sendError = -1;
    client->transport->send(client->connection, head.data(), static_cast<int>(head.size()),
                            request.body, request.bodyLength, onSent, &sendError);
    if (sendError != 0) {
        report(client, sendError, 0, 0);
        return;
    }
    int parsed = HttpResponseParser::kInHead;
    // Each round receives at least one byte, and the head is bounded by the parser's store.
    while (parsed == HttpResponseParser::kInHead) {
        parsed = receiveAndParse(client);
    }
    if (parsed < 0 && !client->parser.headComplete()) {
        report(client, parsed, 0, 0);
        return;
    }
    // Body bytes that came with the head may already have failed to decode; the head
    // itself is good, so the status is reported and the body read fails.
    client->bodyError = parsed < 0 ? parsed : 0;
    storeCookie(client);
    report(client, 0, client->parser.statusCode(), client->parser.contentLength());
}

int runRequest(HTTP_CLIENT* client, int method, const char* path, const HTTP_HEADER* headers,
               int headerCount, const char* body, int bodyLength, HTTP_ReplyCallback reply,
               void* user) {
    if (client == nullptr || (body == nullptr && bodyLength > 0)) {
        SDK_LOG_NULL();
        return -1;
    }
    const HttpRequest request{method, path, headers, headerCount, body, bodyLength};
    std::string head;
    const int written =
        HTTP_WriteRequestHead(request, client->host, client->port, client->cookie, &head);
    if (written != 0) {
        SDK_LOG_RESULT(written);
        return -1;
    }
    client->closeConnection();
    client->parser.reset();
    client->body.release();
    client->bodyRead = 0;
    client->bodyError = 0;
    {
        std::lock_guard<std::recursive_mutex> guard(client->replyLock);
        client->reply = reply;
        client->replyUser = user;
    }
    client->deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(client->exchangeMs);
    client->connection = openConnection(client);
    if (client->connection == nullptr) {
        SDK_LOG_RESULT(-1);
        return -1;
    }
    client->references.fetch_add(1);
    exchange(client, head, request);
    client->closeConnection();
    release(client);
    return 0;
}

// Moves what the body store holds into the caller's buffer from *filled on.
void copyBody(HTTP_CLIENT* client, char* buffer, int capacity, int* filled) {
    const size_t waiting = client->body.size() - client->bodyRead;
    const size_t take = std::min(waiting, static_cast<size_t>(capacity - *filled));
    if (take == 0) {
        return;
    }
    std::memcpy(buffer + *filled, client->body.data() + client->bodyRead, take);
    *filled += static_cast<int>(take);
    client->bodyRead += take;
    if (client->bodyRead == client->body.size()) {
        client->body.clear();
        client->bodyRead = 0;
    }
}

}  // namespace

HTTP_CLIENT* HTTP_CLIENT_Create(const SOCKET_TRANSPORT* transport, const char* scheme,
                                const char* host, int port) {
    if (scheme == nullptr || host == nullptr || host[0] == '\0') {
        SDK_LOG_NULL();
        return nullptr;
    }
    // Only plain HTTP is spoken; anything else would go out unprotected under a false name.
    if (::strcasecmp(scheme, "http") != 0 || std::strlen(host) > kMaxHostLength ||
        !isSafeHost(host) || port <= 0 || port > 65535) {
        SDK_LOG_RESULT(-1);
        return nullptr;
    }
    HTTP_CLIENT* client = new (std::nothrow) HTTP_CLIENT;
    if (client == nullptr) {
        SDK_LOG_TEXT("Out of memory");
        return nullptr;
    }
    client->transport = transport != nullptr ? transport : SOCKET_GetTransport();
    client->host = host;
    client->port = port;
    client->parser.setBodySink(
        [client](const char* data, size_t length) { return client->body.append(data, length); });
    return client;
}

void HTTP_CLIENT_Destroy(HTTP_CLIENT* client) {
    if (client == nullptr) {
        return;
    }
    {
        std::lock_guard<std::recursive_mutex> guard(client->replyLock);
        client->reply = nullptr;
        client->replyUser = nullptr;
    }
    release(client);
}

void HTTP_CLIENT_SetTimeouts(HTTP_CLIENT* client, int receiveMs, int sendMs) {
    if (client == nullptr) {
        SDK_LOG_NULL();
        return;
    }
    client->receiveTimeoutMs = receiveMs;
    client->sendTimeoutMs = sendMs;
}

void HTTP_CLIENT_SetDeadline(HTTP_CLIENT* client, int exchangeMs) {
    if (client == nullptr) {
        SDK_LOG_NULL();
        return;
    }
    client->exchangeMs = exchangeMs;
}

int HTTP_CLIENT_Get(HTTP_CLIENT* client, const char* path, const HTTP_HEADER* headers,
                    int headerCount, const char* body, int bodyLength, HTTP_ReplyCallback reply,
                    void* user) {
    return runRequest(client, HTTP_METHOD_GET, path, headers, headerCount, body, bodyLength, reply,
                      user);
}

int HTTP_CLIENT_Put(HTTP_CLIENT* client, const char* path, const HTTP_HEADER* headers,
                    int headerCount, const char* body, int bodyLength, HTTP_ReplyCallback reply,
                    void* user) {
    return runRequest(client, HTTP_METHOD_PUT, path, headers, headerCount, body, bodyLength, reply,
                      user);
}

int HTTP_CLIENT_Post(HTTP_CLIENT* client, const char* path, const HTTP_HEADER* headers,
                     int headerCount, const char* body, int bodyLength, HTTP_ReplyCallback reply,
                     void* user) {
    return runRequest(client, HTTP_METHOD_POST, path, headers, headerCount, body, bodyLength, reply,
                      user);
}

int HTTP_CLIENT_ReadBody(HTTP_CLIENT* client, char* buffer, int capacity, int flags,
                         HTTP_BodyCallback callback, void* user) {
    if (client == nullptr || buffer == nullptr || callback == nullptr || capacity < 0) {
        SDK_LOG_NULL();
        return -1;
    }
    int filled = 0;
    copyBody(client, buffer, capacity, &filled);
    // Each round receives at least one byte or ends the body.
    while (client->bodyError == 0 && (flags & HTTP_READ_WHOLE) != 0 && filled < capacity &&
           !client->parser.complete()) {
        const int result =
            client->connection == nullptr ? HTTP_ERROR_MALFORMED : receiveAndParse(client);
        client->bodyError = result < 0 ? result : 0;
        copyBody(client, buffer, capacity, &filled);
    }
    if (client->bodyError != 0) {
        callback(user, client->bodyError, buffer, 0);
        return 0;
    }
    callback(user, 0, buffer, filled);
    return 0;
}
