// The stream session behind the opaque NETSDK_STREAM and the CORE_STREAM_ layer: one TCP
// connection to a camera's stream port, a receive loop that reconnects by itself, and the
// status and data callbacks it reports to.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "netsdk.h"
#include "stream/parameter_sets.h"
#include "stream/stream_receiver.h"
#include "stream/stream_wire.h"

// Called with each accepted acknowledgement's command and description; nonzero refuses it.
typedef int (*CORE_STREAM_AckHook)(int command, const uint8_t* description, int length);

// How a start runs the session.
struct CORE_STREAM_OPERATIONS {
    size_t bufferSize;  // frame header + the largest payload taken
    CORE_STREAM_AckHook ackHook;
    int runInCaller;  // nonzero: the loop runs on the starting thread
};

// The frame buffer of NETSDK_StartRealPlay: room for a frame header and any payload a
// camera sends.
constexpr size_t CORE_STREAM_BUFFER_SIZE = 0x200000;

// What one receive of the loop may take beyond the part it reads: many small frames, or the
// heads behind a large payload, so that most parts come from memory.
constexpr size_t CORE_STREAM_RECEIVE_SIZE = 256 * 1024;

struct NETSDK_STREAM {
    char address[64] = {};  // camera address, cut to 63 characters
    int32_t port = 0;       // the connect uses the low 16 bits
    int32_t channel = 0;
    int32_t stream = 0;  // also what goes into the request and to the data callback
    bool playback = false;
    int32_t beginTime = 0;  // playback only, passed through unchanged
    int32_t endTime = 0;
    char fileName[netsdk::stream::kFileNameSize] = {};

    // Guards socket, statusCallback, statusUser, loopThread and the finished hand-over; its
    // condition wakes pauses and waiters. Taken by the loop and by any controlling thread;
    // never held while a callback runs.
    std::mutex lock;
    std::condition_variable wake;
    int socket = -1;  // opened and closed by the loop only
    NETSDK_StreamStatusCallBack statusCallback = nullptr;
    void* statusUser = nullptr;

    std::atomic<bool> run{false};      // the loop shall go on
    std::atomic<bool> play{false};     // delivering; false pauses
    std::atomic<bool> finished{true};  // no loop runs
    std::thread thread;                // the receive thread (thread mode)
    std::thread::id loopThread;        // runs the loop, in either mode; under lock

    // Set by start before the loop runs; read by the loop only.
    CORE_STREAM_OPERATIONS operations{};
    NETSDK_StreamDataCallBack dataCallback = nullptr;
    void* dataUser = nullptr;
    std::unique_ptr<uint8_t[]> buffer;
    std::optional<netsdk::stream::StreamReceiver> receiver;  // reads the current connection
    uint8_t description[netsdk::stream::kDescriptionSize] = {};
    netsdk::stream::ParameterSets parameterSets{};
};

// A new live session; no network traffic. NULL for a NULL address or when out of memory.
NETSDK_STREAM* CORE_STREAM_Create(const char* address, int32_t port, int32_t channel,
                                  int32_t stream);
// A new playback session of fileName between the two times.
NETSDK_STREAM* CORE_STREAM_Create2(const char* address, int32_t port, int32_t channel,
                                   int32_t stream, int32_t beginTime, int32_t endTime,
                                   const char* fileName);
int CORE_STREAM_SetStatusCallBack(NETSDK_STREAM* session, NETSDK_StreamStatusCallBack callback,
                                  void* user);
// Starts the receive loop (see CORE_STREAM_OPERATIONS.runInCaller); -1 when the session is
// already running, the buffer cannot be had or the thread cannot start.
int CORE_STREAM_Start(NETSDK_STREAM* session, const CORE_STREAM_OPERATIONS* operations,
                      NETSDK_StreamDataCallBack dataCallback, void* user);
// Starts a playback session's loop on the calling thread with both callbacks.
int CORE_STREAM_Start2(NETSDK_STREAM* session, const CORE_STREAM_OPERATIONS* operations,
                       NETSDK_StreamDataCallBack dataCallback,
                       NETSDK_StreamStatusCallBack statusCallback, void* user);
int CORE_STREAM_SetPause(NETSDK_STREAM* session);
int CORE_STREAM_SetPlay(NETSDK_STREAM* session);
// Ends the loop and waits until it has ended, then frees the frame buffer. From inside a
// callback of the loop it only asks the loop to end.
int CORE_STREAM_Stop(NETSDK_STREAM* session);
// Stops the session if needed and frees it; -1 from inside one of its own callbacks.
int CORE_STREAM_Destory(NETSDK_STREAM* session);
// The acknowledgement hook of the exported starts: logs the command and accepts.
int CORE_STREAM_LogAck(int command, const uint8_t* description, int length);
