// The receiver of one live stream: the SDK wrapper forwards both stream callbacks to it.
// Both run on the thread that runs the stream, and their results go back to the SDK.
#pragma once

#include <QString>

struct NETSDK_STREAM;

struct StreamSink {
    virtual ~StreamSink() = default;

    // One received block (frame header and payload), valid only during the call.
    // 0 lets the SDK read on at once.
    virtual int onStreamData(NETSDK_STREAM* stream, int channel, int streamIndex, int kind,
                             const void* block, int length) = 0;
    // A connection event or the poll at the start of each pass; nonzero ends the stream.
    virtual int onStreamStatus(int code, const QString& message) = 0;
};
