// The SDK's lowest layer: TCP connect with a time-out, exact sends and receives that wait
// with a time-out, and the transport table through which the HTTP client opens its
// connections and moves bytes.
//
// Every wait is bounded; a wait that runs out is reported as SOCKET_TIMED_OUT. A send's
// time-out bounds the whole send, however the peer paces its reads. Sends never raise
// SIGPIPE: a peer that reset the connection gives a failed send, not a dead process.
#pragma once

#include <stdint.h>

struct addrinfo;

extern "C" {

// The result of a wait that ran out (the Windows Sockets time-out code, negated).
#define SOCKET_TIMED_OUT (-10060)

// Connects a TCP socket to host:port, trying every address the name resolves to in turn,
// each within timeoutMs (a negative time-out waits without limit). Returns the connected
// socket, left in non-blocking mode, or -1.
int SOCKET_ConnectTimeout(const char* host, int port, int timeoutMs);

// Tries the addresses of an already resolved list in order, each within timeoutMs, and
// returns the first connected socket (non-blocking) or -1.
int SOCKET_ConnectAddresses(const struct addrinfo* addresses, int timeoutMs);

// Receives exactly n bytes, waiting up to timeoutMs for each piece (a negative time-out
// waits without limit). Returns n when all arrived, 0 when n is 0 or the peer closed,
// SOCKET_TIMED_OUT when a wait ran out, or -1 on a socket error (errno tells which).
int SOCKET_RecvTimeout(int socket, char* buffer, int n, int flags, int timeoutMs);

// Sends exactly n bytes, all within timeoutMs (a negative time-out waits without limit).
// Returns n when all went out, 0 when n is 0, SOCKET_TIMED_OUT when the time ran out first,
// or -1 on a socket error (errno tells which).
int SOCKET_SendTimeout(int socket, const char* buffer, int n, int flags, int timeoutMs);

// One open connection of the select transport. Opaque to callers.
typedef struct SOCKET_CONNECTION SOCKET_CONNECTION;

// error is 0 or negative; count is the bytes received, 0 when the peer closed, or the
// negative result of a failed or timed-out wait.
typedef void (*SOCKET_ReceiveCallback)(void* user, int error, const char* buffer, int count);

// error is 0 when every byte went out, SOCKET_TIMED_OUT when the send time-out ran out
// first, else -1.
typedef void (*SOCKET_SendCallback)(void* user, int error);

// A transport: how the HTTP client opens connections and moves bytes.
typedef struct SOCKET_TRANSPORT {
    int kind;              // 0 for the select transport
    int connectTimeoutMs;  // used by create
    int bufferSize;        // receive buffer of each connection, bytes

    // Connects to host:port within transport's connect time-out; returns the connection, or
    // NULL when it cannot be opened. The connection keeps no pointer to transport.
    SOCKET_CONNECTION* (*create)(const struct SOCKET_TRANSPORT* transport, void* reserved,
                                 const char* host, int port);
    // Closes the socket and frees the connection.
    void (*close)(SOCKET_CONNECTION* connection);
    // Stores the connect, receive and send time-outs (ms; negative waits without limit).
    int (*setTimeouts)(SOCKET_CONNECTION* connection, int connectMs, int receiveMs, int sendMs);
    // Waits up to the receive time-out, receives once into the connection's buffer and
    // reports the result to callback; returns 0.
    int (*receive)(SOCKET_CONNECTION* connection, SOCKET_ReceiveCallback callback, void* user);
    // Sends head and body (when bodyLength >= 1) as one gathered write, continuing with what
    // is left until all is out, the send time-out (counted from the call) runs out or a send
    // fails; reports to callback and returns 0.
    int (*send)(SOCKET_CONNECTION* connection, const char* head, int headLength, const char* body,
                int bodyLength, SOCKET_SendCallback callback, void* user);
} SOCKET_TRANSPORT;

// The process-wide select transport, built on the first call.
const SOCKET_TRANSPORT* SOCKET_GetTransport(void);
}
