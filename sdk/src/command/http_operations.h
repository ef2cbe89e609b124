// The operations of the HTTP command layer on one context. Each returns 0 when the camera
// answered 200 (and, for reads, the reply converted), else -1.
#pragma once

#include "command/http_context.h"
#include "netsdk.h"

// Reads parameter block id into record; on failure record is left unchanged.
int CORE_HTTP_GetParam(CORE_HTTP_CONTEXT* context, int channel, int stream, int id, void* record,
                       int recordSize);
// Reads parameter block id as CORE_HTTP_GetParam does, but returns the answer's HTTP status
// (0 when none came, -1 when the read could not be sent) whether or not the reply passed the
// block checks.
int CORE_HTTP_GetParamStatus(CORE_HTTP_CONTEXT* context, int channel, int stream, int id,
                             void* record, int recordSize);
// Writes parameter block id (or the bodiless reset, reboot and alarm tone).
int CORE_HTTP_SetParam(CORE_HTTP_CONTEXT* context, int channel, int stream, int id,
                       const void* record, int recordSize);
// Posts a JSON product-test command; reply gets the answer's body on 200.
int CORE_HTTP_ProductTest(CORE_HTTP_CONTEXT* context, int command, NETSDK_ProductCallBack reply,
                          const char* jsonText, void* user);
// Fetches a picture of the channel pair's stream; picture gets it on 200.
int CORE_HTTP_Snapshot(CORE_HTTP_CONTEXT* context, const NETSDK_CHANNEL* channel,
                       NETSDK_SnapshotCallBack picture, void* user);
// Uploads a file as a multipart form with the 144-byte file head.
int CORE_HTTP_UploadFile(CORE_HTTP_CONTEXT* context, const char* fileName, const char* data,
                         int size, int fileType);
