// The media layer's interface: the previewer hands it every live stream block exactly as
// the SDK delivered it (frame header in front, payload behind) and gets back decoded
// pictures and sound through one callback.
//
// Decoding is synchronous: SDR_DecodeStream calls the callback on the caller's thread,
// zero or more times, before it returns. The layer starts no threads of its own, so no
// callback can run once SDR_DestroyMediaServices has returned.
#pragma once

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

enum { SDR_FRAME_AUDIO = 0, SDR_FRAME_VIDEO = 1 };

// One decoded picture or block of sound, valid only during the callback.
// Video: 8-bit planar YUV 4:2:0; plane 0 holds height rows of lineSize[0] bytes, planes 1
// and 2 hold (height + 1) / 2 rows of lineSize[0] / 2 bytes each (lineSize[1] and
// lineSize[2] always equal lineSize[0] / 2).
// Audio: 8000 Hz mono signed 16-bit little-endian samples in plane[0]; lineSize[0] is the
// byte count.
typedef struct DecodedFrame {
    int32_t width;
    int32_t height;
    int32_t reserved0;
    int32_t kind;  // SDR_FRAME_AUDIO or SDR_FRAME_VIDEO
    const uint8_t* plane[3];
    const void* reserved1;
    int32_t lineSize[3];
} DecodedFrame;

// Called once per decoded frame; codec is the block header's codec word. The result is
// ignored.
typedef int (*SDR_DecoderCallback)(int codec, const DecodedFrame* frame, void* user);

typedef struct SDR_MEDIA_SERVICES SDR_MEDIA_SERVICES;

// Makes a decoder; flags must be 0. Returns NULL when out of memory.
SDR_MEDIA_SERVICES* SDR_CreateMediaServices(int flags);

// Installs the callback (NULL removes it). Must not race SDR_DecodeStream on the same
// handle: install it before the thread that feeds blocks starts.
int SDR_SetDecoderCallback(SDR_MEDIA_SERVICES* services, SDR_DecoderCallback callback, void* user);

// Decodes one stream block of length bytes (header plus payload). Returns the number of
// frames delivered, or -1 for a block that was refused (short, bad length, unknown codec,
// undecodable) or a NULL argument. Video is dropped until the first key frame.
int SDR_DecodeStream(SDR_MEDIA_SERVICES* services, const void* block, int length);

// Frees the decoder; NULL is ignored. Must not race SDR_DecodeStream on the same handle.
void SDR_DestroyMediaServices(SDR_MEDIA_SERVICES* services);

#ifdef __cplusplus
}
#endif
