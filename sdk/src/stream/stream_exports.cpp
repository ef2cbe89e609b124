// The exported stream calls: pointer checks, then the CORE_STREAM_ layer.
#include "log.h"
#include "login_info.h"
#include "netsdk.h"
#include "stream/stream_session.h"

namespace {

CORE_STREAM_OPERATIONS exportedOperations(int runInCaller) {
    return {CORE_STREAM_BUFFER_SIZE, CORE_STREAM_LogAck, runInCaller};
}

}  // namespace

NETSDK_STREAM* NETSDK_CreateRealPlay(NETSDK_LOGIN_INFO* login, const NETSDK_CHANNEL* channel) {
    if (login == nullptr || channel == nullptr) {
        SDK_LOG_NULL();
        return nullptr;
    }
    return CORE_STREAM_Create(login->ip, static_cast<int32_t>(login->streamPort), channel->channel,
                              channel->stream);
}

NETSDK_STREAM* NETSDK_CreatePlayback(NETSDK_LOGIN_INFO* login,
                                     const NETSDK_PLAYBACK_INFO* request) {
    if (login == nullptr || request == nullptr) {
        SDK_LOG_NULL();
        return nullptr;
    }
    return CORE_STREAM_Create2(login->ip, static_cast<int32_t>(login->streamPort), request->channel,
                               request->stream, request->beginTime, request->endTime,
                               request->fileName);
}

int NETSDK_SetRealStreamStatus(NETSDK_STREAM* stream, NETSDK_StreamStatusCallBack status,
                               void* user) {
    const int result = CORE_STREAM_SetStatusCallBack(stream, status, user);
    if (result != 0) {
        SDK_LOG_RESULT(result);
    }
    return result;
}

int NETSDK_StartRealPlay(NETSDK_STREAM* stream, NETSDK_StreamDataCallBack data, void* user,
                         int runInCaller) {
    const CORE_STREAM_OPERATIONS operations = exportedOperations(runInCaller);
    return CORE_STREAM_Start(stream, &operations, data, user);
}

int NETSDK_StartPlayback(NETSDK_STREAM* stream, NETSDK_StreamDataCallBack data,
                         NETSDK_StreamStatusCallBack status, void* user) {
    const CORE_STREAM_OPERATIONS operations = exportedOperations(1);
    return CORE_STREAM_Start2(stream, &operations, data, status, user);
}

int NETSDK_SetPauseRealPlay(NETSDK_STREAM* stream) {
    return CORE_STREAM_SetPause(stream);
}

int NETSDK_SetPlayRealPlay(NETSDK_STREAM* stream) {
    return CORE_STREAM_SetPlay(stream);
}

int NETSDK_StopRealPlay(NETSDK_STREAM* stream) {
    return CORE_STREAM_Stop(stream);
}

int NETSDK_DestoryRealPlay(NETSDK_STREAM* stream) {
    return CORE_STREAM_Destory(stream);
}

int NETSDK_DestoryPlayback(NETSDK_STREAM* stream) {
    return CORE_STREAM_Destory(stream);
}
