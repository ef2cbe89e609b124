#include "stream/stream_session.h"

#include <sys/socket.h>

#include <cstring>
#include <new>
#include <system_error>

#include "log.h"
#include "stream/stream_loop.h"

namespace {

void copyText(char* target, size_t size, const char* text) {
    std::strncpy(target, text != nullptr ? text : "", size - 1);
    target[size - 1] = '\0';
}

// Call with the session's lock held.
bool runsOnLoopThread(const NETSDK_STREAM& session) {
    return !session.finished && session.loopThread == std::this_thread::get_id();
}

void runLoopHere(NETSDK_STREAM& session) {
    {
        std::lock_guard<std::mutex> guard(session.lock);
        session.loopThread = std::this_thread::get_id();
    }
    CORE_STREAM_RunLoop(&session);
}

// The frame buffer and the receiver's buffer; false (neither kept) when memory is short.
bool allocateBuffers(NETSDK_STREAM& session, size_t frameBufferSize) {
    session.buffer.reset(new (std::nothrow) uint8_t[frameBufferSize]);
    if (!session.buffer) {
        return false;
    }
    try {
        session.receiver.emplace(CORE_STREAM_RECEIVE_SIZE);
    } catch (const std::bad_alloc&) {
        session.buffer.reset();
        return false;
    }
    return true;
}

// Stores what a start needs and readies the session; false (logged) when it cannot run.
bool prepareStart(NETSDK_STREAM& session, const CORE_STREAM_OPERATIONS& operations,
                  NETSDK_StreamDataCallBack dataCallback, void* user) {
    if (!session.finished) {
        SDK_LOG_TEXT("Stream is already running");
        return false;
    }
    if (session.thread.joinable()) {
        session.thread.join();  // a loop that ended by itself; its thread is done
    }
    if (!allocateBuffers(session, operations.bufferSize)) {
        SDK_LOG_TEXT("Out of memory");
        return false;
    }
    session.operations = operations;
    session.dataCallback = dataCallback;
    session.dataUser = user;
    std::lock_guard<std::mutex> guard(session.lock);
    session.run = true;
    session.play = true;
    session.finished = false;
    // Until the loop names its thread, no thread counts as the loop's: a stop from the
    // thread that ran the last loop must wait for this one.
    session.loopThread = std::thread::id();
    return true;
}

int startThread(NETSDK_STREAM& session) {
    try {
        session.thread = std::thread([&session] { runLoopHere(session); });
    } catch (const std::system_error& error) {
        SDK_LOG_RESULT(error.code().value());
        session.run = false;
        session.finished = true;
        session.buffer.reset();
        session.receiver.reset();
        return -1;
    }
    return 0;
}

}  // namespace

NETSDK_STREAM* CORE_STREAM_Create(const char* address, int32_t port, int32_t channel,
                                  int32_t stream) {
    if (address == nullptr) {
        SDK_LOG_NULL();
        return nullptr;
    }
    NETSDK_STREAM* session = new (std::nothrow) NETSDK_STREAM;
    if (session == nullptr) {
        SDK_LOG_TEXT("Out of memory");
        return nullptr;
    }
    copyText(session->address, sizeof session->address, address);
    session->port = port;
    session->channel = channel;
    session->stream = stream;
    return session;
}

NETSDK_STREAM* CORE_STREAM_Create2(const char* address, int32_t port, int32_t channel,
                                   int32_t stream, int32_t beginTime, int32_t endTime,
                                   const char* fileName) {
    NETSDK_STREAM* session = CORE_STREAM_Create(address, port, channel, stream);
    if (session != nullptr) {
        session->beginTime = beginTime;
        session->endTime = endTime;
        copyText(session->fileName, sizeof session->fileName, fileName);
    }
    return session;
}

int CORE_STREAM_SetStatusCallBack(NETSDK_STREAM* session, NETSDK_StreamStatusCallBack callback,
                                  void* user) {
    if (session == nullptr || callback == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    std::lock_guard<std::mutex> guard(session->lock);
    session->statusCallback = callback;
    session->statusUser = user;
    return 0;
}

int CORE_STREAM_Start(NETSDK_STREAM* session, const CORE_STREAM_OPERATIONS* operations,
                      NETSDK_StreamDataCallBack dataCallback, void* user) {
    if (session == nullptr || operations == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    if (!prepareStart(*session, *operations, dataCallback, user)) {
        return -1;
    }
    if (operations->runInCaller != 0) {
        runLoopHere(*session);
        return 0;
    }
    return startThread(*session);
}

int CORE_STREAM_Start2(NETSDK_STREAM* session, const CORE_STREAM_OPERATIONS* operations,
                       NETSDK_StreamDataCallBack dataCallback,
                       NETSDK_StreamStatusCallBack statusCallback, void* user) {
    if (session == nullptr || operations == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    CORE_STREAM_OPERATIONS inCaller = *operations;
    inCaller.runInCaller = 1;
    // Only a session that runs no loop may be turned into playback: a running loop reads
    // these fields.
    if (!prepareStart(*session, inCaller, dataCallback, user)) {
        return -1;
    }
    if (statusCallback != nullptr) {
        CORE_STREAM_SetStatusCallBack(session, statusCallback, user);
    }
    session->playback = true;
    runLoopHere(*session);
    return 0;
}

int CORE_STREAM_SetPause(NETSDK_STREAM* session) {
    if (session == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    std::lock_guard<std::mutex> guard(session->lock);
    session->play = false;
    return 0;
}

int CORE_STREAM_SetPlay(NETSDK_STREAM* session) {
    if (session == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    std::lock_guard<std::mutex> guard(session->lock);
    session->play = true;
    session->wake.notify_all();
    return 0;
}

int CORE_STREAM_Stop(NETSDK_STREAM* session) {
    if (session == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    {
        std::unique_lock<std::mutex> guard(session->lock);
        session->run = false;
        // Wakes a loop blocked in a read; the loop itself closes the socket.
        if (session->socket != -1) {
            ::shutdown(session->socket, SHUT_RDWR);
        }
        session->wake.notify_all();
        if (runsOnLoopThread(*session)) {
            return 0;  // called from a callback: the loop ends when the callback returns
        }
        session->wake.wait(guard, [session] { return session->finished.load(); });
    }
    if (session->thread.joinable()) {
        session->thread.join();
    }
    session->buffer.reset();
    session->receiver.reset();
    return 0;
}

int CORE_STREAM_Destory(NETSDK_STREAM* session) {
    if (session == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    {
        std::lock_guard<std::mutex> guard(session->lock);
        if (runsOnLoopThread(*session)) {
            SDK_LOG_TEXT("A stream cannot be destroyed from its own callback");
            return -1;
        }
    }
    CORE_STREAM_Stop(session);
    delete session;
    return 0;
}

int CORE_STREAM_LogAck(int command, const uint8_t* /*description*/, int /*length*/) {
    netsdk::logPlain("enCmdType:%d \n", command);
    return 0;
}
