// The HTTP command layer's context: one per login handle. It holds the camera's address
// and credentials, the HTTP client, the request and reply buffer, and the status of the
// request in flight. One thread uses a context at a time; different contexts may be used
// from different threads at once.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "http/http_client.h"
#include "netsdk.h"

// The conversions that a context runs for its requests.
struct CORE_HTTP_OPERATIONS {
    // Room of the request and reply buffer.
    int (*capacity)();
    // Command id to request path and kind.
    int (*parseDataCommand)(void* context, int id, int* kind, char* path, int pathSize);
    // Writes what a read of a parameter block sends (its head); bytes written or -1.
    int (*addContentData)(const NETSDK_CHANNEL* pair, int id, int kind, uint8_t* out, int outSize);
    // Converts a read's reply (head and body) into the caller's record; 0 or -1.
    int (*parseReadHttpData)(const NETSDK_CHANNEL* pair, int id, int kind, const uint8_t* reply,
                             int length, void* record, int recordSize);
    // Writes head and body of a write; *length: room on entry, bytes to send on success.
    int (*makeWriteHttpData)(const NETSDK_CHANNEL* pair, int id, int kind, const void* record,
                             int recordSize, uint8_t* out, uint32_t* length);
};

struct HttpClientRelease {
    void operator()(HTTP_CLIENT* client) const { HTTP_CLIENT_Destroy(client); }
};

struct CORE_HTTP_CONTEXT {
    std::unique_ptr<HTTP_CLIENT, HttpClientRelease> client;
    char address[64] = {};
    int port = 0;
    char user[64] = {};
    char password[64] = {};
    int reserved = 0;  // the login's sixth argument, kept as given
    CORE_HTTP_OPERATIONS operations = {};

    // Guards status and answered: the reply handler writes them, the requesting thread
    // waits on them.
    std::mutex lock;
    std::condition_variable answerArrived;
    int status = 0;  // HTTP status of the last answer; 0 while none arrived
    bool answered = false;

    // Request body out, reply body in; one byte more than the capacity for a closing NUL.
    std::vector<uint8_t> buffer;
    size_t capacity = 0;
};

// Makes a context for the camera at address:port; null on failure (logged).
CORE_HTTP_CONTEXT* CORE_HTTP_Create(const char* address, int port, const char* user,
                                    const char* password, const CORE_HTTP_OPERATIONS* operations,
                                    int reserved);
// The same with the parameter-block operations.
CORE_HTTP_CONTEXT* CORE_HTTP_CreateDefault(const char* address, int port, const char* user,
                                           const char* password, int reserved);
// Destroys the context and its HTTP client; 0, or -1 for null.
int CORE_HTTP_Destory(CORE_HTTP_CONTEXT* context);
// Receive and send time-outs of later requests' connections, in ms.
void CORE_HTTP_SetTimeouts(CORE_HTTP_CONTEXT* context, int receiveMs, int sendMs);

// ---- One exchange, shared by every operation of the layer --------------------------------

struct HttpExchange {
    HttpMethod method;
    const char* path;            // with any query
    const HTTP_HEADER* headers;  // after Authorization, in order
    int headerCount;
    const char* body;
    int bodyLength;
    bool readBody;                // read a 200 answer's body into the context buffer
    const char* requestFunction;  // named in the log when the request cannot start
    const char* failureText;      // printed with the client's code when no answer came
};

// Runs the exchange with Basic authorisation and waits for its answer. Returns -1 when it
// could not be started (logged), else the HTTP status (0 when no answer came). With
// readBody, *bodyLength receives the bytes of a 200 answer's body in the buffer, or -1
// when it could not be read.
int CORE_HTTP_Exchange(CORE_HTTP_CONTEXT* context, const HttpExchange& exchange, int* bodyLength);
