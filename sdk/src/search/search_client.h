// The search client: this caller's identity on the search group, the numbering of its
// requests, the building of SEARCH, SETNET and COMMAND requests and the dispatch of the
// answers addressed to it to the caller's callbacks.
#pragma once

#include "netsdk.h"

struct CLIENT_SEARCH;

// Makes a client with a fresh client ID and its core on group:port from bindAddress (host
// byte order). Null on failure (logged).
CLIENT_SEARCH* CLIENT_SEARCH_Init(const char* group, int port, unsigned bindAddress);

// Stores the callbacks (either may be null) and installs the client's request builder and
// answer dispatcher in its core.
int CLIENT_SEARCH_SetCallback(CLIENT_SEARCH* client, NETSDK_SearchCallBack found,
                              NETSDK_AckCallBack ack, void* user);

// Sends one SEARCH and reports each answer until timeoutSeconds pass or the search callback
// returns nonzero. Returns 0, or -1 (without waiting) when the request could not be sent.
int CLIENT_SEARCH_Start(CLIENT_SEARCH* client, int timeoutSeconds);

// Sends one SETNET per record (array order), then reports the acknowledgements until
// timeoutSeconds pass. -1 (without waiting) for a null array or a failed send.
int CLIENT_SEARCH_SetLanConfig(CLIENT_SEARCH* client, const NETSDK_SEARCH_DEVICE_INFO* devices,
                               int count, int timeoutSeconds);

// Sends one COMMAND per record, then reports the acknowledgements until timeoutSeconds pass.
// -1 (without waiting) for a null array or a failed send.
int CLIENT_SEARCH_ProductCommand(CLIENT_SEARCH* client, const NETSDK_PRODUCT_COMMAND* commands,
                                 int count, int timeoutSeconds);

// Closes the core and frees the client; 0, or -1 for a null client.
int CLIENT_SEARCH_Exit(CLIENT_SEARCH* client);
