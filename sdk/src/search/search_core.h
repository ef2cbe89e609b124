// The search core: one UDP socket on the search group for one local address, the sending of
// requests and the receive loop that hands each datagram to the client's dispatcher.
#pragma once

// Writes the request of type for record into buffer (capacity bytes); 0 or -1.
using CORE_SEARCH_Builder = int (*)(int type, const void* record, void* owner, char* buffer,
                                    int capacity);
// Takes one received datagram (NUL-terminated text); nonzero ends the receive loop.
using CORE_SEARCH_Dispatcher = int (*)(void* owner, const char* text);

struct CORE_SEARCH;

// Opens the socket on port, joined to group on the interface of bindAddress (host byte
// order). Null on failure (logged).
CORE_SEARCH* CORE_SEARCH_Init(const char* group, int port, unsigned bindAddress);

// Installs the request builder and the answer dispatcher, both working for owner.
int CORE_SEARCH_SetCallback(CORE_SEARCH* core, CORE_SEARCH_Builder builder,
                            CORE_SEARCH_Dispatcher dispatcher, void* owner);

// Builds one request of type from record and sends it to the group. 0, or -1 when it could
// not be built or sent.
int CORE_SEARCH_SendDataPack(CORE_SEARCH* core, int type, const void* record);

// Hands every datagram that arrives within timeoutSeconds to the dispatcher, until the time
// is up, the dispatcher returns nonzero or the socket fails. Returns 0.
int CORE_SEARCH_RecvDataPack(CORE_SEARCH* core, int timeoutSeconds);

// Sends one SEARCH request (type 0) and runs the receive loop. Returns 0, or -1 when the
// request could not be sent (no receive loop then).
int CORE_SEARCH_Start(CORE_SEARCH* core, int timeoutSeconds);

// Leaves the group, closes the socket and frees the core. 0, or -1 for a null core.
int CORE_SEARCH_Exit(CORE_SEARCH* core);
