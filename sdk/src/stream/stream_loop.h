// The receive loop of a stream session: connect, request, acknowledgement, then frames, and
// back to connect whenever the connection fails.
#pragma once

#include "stream/stream_session.h"

// Runs the loop on the calling thread until the run flag clears or a status callback
// answers nonzero; closes the socket and marks the session finished on the way out.
void CORE_STREAM_RunLoop(NETSDK_STREAM* session);
