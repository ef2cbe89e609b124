// A small HTTP/1.1 client: one per camera login, one request at a time, a fresh connection
// per request, the whole exchange on the caller's thread inside the request call.
//
// A request sends the head and body, reads the answer's head and hands status and length
// to the reply callback; inside that callback the caller may take the body with
// HTTP_CLIENT_ReadBody. The connection is closed when the request call returns. Every
// status, 3xx included, is final: nothing is ever sent twice.
#pragma once

#include <stdint.h>

#include "http/http_request_head.h"
#include "transport/socket_transport.h"

typedef struct HTTP_CLIENT HTTP_CLIENT;

// error is 0 when an answer's head arrived, else negative (the transport's code, such as
// SOCKET_TIMED_OUT, or an HttpError); status and contentLength are then 0.
// contentLength is -1 when the answer gives none (or is chunked).
typedef void (*HTTP_ReplyCallback)(void* user, int error, int status, int64_t contentLength);

// error is 0 on success, else negative; count is the bytes in buffer.
typedef void (*HTTP_BodyCallback)(void* user, int error, char* buffer, int count);

// HTTP_CLIENT_ReadBody flag: keep receiving until the body is whole or the buffer full.
#define HTTP_READ_WHOLE 1

// Makes a client for scheme ("http") host:port over transport (null: the select transport).
// Returns null for an empty or over-long host, another scheme or a port out of range.
HTTP_CLIENT* HTTP_CLIENT_Create(const SOCKET_TRANSPORT* transport, const char* scheme,
                                const char* host, int port);

// Stops further reply callbacks and lets go of the caller's reference; the client is freed
// once no request runs on it (also when called from inside a callback).
void HTTP_CLIENT_Destroy(HTTP_CLIENT* client);

// The receive and send time-outs of later requests' connections (ms, default 20000).
void HTTP_CLIENT_SetTimeouts(HTTP_CLIENT* client, int receiveMs, int sendMs);

// Every later request ends within exchangeMs of its start, however slowly the peer sends or
// takes the bytes: a wait still open then ends as SOCKET_TIMED_OUT. Negative (the default):
// only the receive and send time-outs bound the waits.
void HTTP_CLIENT_SetDeadline(HTTP_CLIENT* client, int exchangeMs);

// Run one request. Return 0 when the exchange was started (the reply callback then tells
// how it ended, and has run when the call returns), nonzero when it could not be: no
// connection, a request that cannot be written safely or is too long.
int HTTP_CLIENT_Get(HTTP_CLIENT* client, const char* path, const HTTP_HEADER* headers,
                    int headerCount, const char* body, int bodyLength, HTTP_ReplyCallback reply,
                    void* user);
int HTTP_CLIENT_Put(HTTP_CLIENT* client, const char* path, const HTTP_HEADER* headers,
                    int headerCount, const char* body, int bodyLength, HTTP_ReplyCallback reply,
                    void* user);
int HTTP_CLIENT_Post(HTTP_CLIENT* client, const char* path, const HTTP_HEADER* headers,
                     int headerCount, const char* body, int bodyLength, HTTP_ReplyCallback reply,
                     void* user);

// Copies the answer's body into buffer (at most capacity bytes; the rest is dropped) and
// calls callback with it. With HTTP_READ_WHOLE it first receives until the body is whole
// or the buffer full. Call it from the reply callback. Returns 0, or -1 for bad arguments.
int HTTP_CLIENT_ReadBody(HTTP_CLIENT* client, char* buffer, int capacity, int flags,
                         HTTP_BodyCallback callback, void* user);
