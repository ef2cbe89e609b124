// The intercom and OSD-refresh channels: a connection that only carries the caller's bytes
// to the camera, each send bounded by a short wait.
#pragma once

#include "netsdk.h"

struct NETSDK_SEND_CHANNEL {
    int socket = -1;  // -1 once closed
};

// Connects to address:port within 2000 ms; NULL (logged) when that fails.
NETSDK_SEND_CHANNEL* CLIENT_INTERCOM_Called(const char* address, int port);
// Waits up to 2 s for room and sends once: the bytes sent, 0 when the wait ran out, minus
// the socket error when the wait or the send failed; -1 for a NULL or closed channel.
int CLIENT_INTERCOM_Send(NETSDK_SEND_CHANNEL* channel, const char* data, int length);
// Closes and frees the channel; -1 for NULL.
int CLIENT_INTERCOM_HungUp(NETSDK_SEND_CHANNEL* channel);

// The same for the OSD refresh, whose messages are always NETSDK_OSD_REFRESH_SIZE bytes.
NETSDK_SEND_CHANNEL* CLIENT_OSDREFRESH_Start(const char* address, int port);
int CLIENT_OSDREFRESH_Send(NETSDK_SEND_CHANNEL* channel, const char* data);
int CLIENT_OSDREFRESH_Stop(NETSDK_SEND_CHANNEL* channel);
