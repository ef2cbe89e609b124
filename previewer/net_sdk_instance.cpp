#include "net_sdk_instance.h"

#include "netsdk.h"
#include "stream_sink.h"

namespace {

int realStreamStatusCallback(int code, const char* message, void* user) {
    const QString text = message ? QString::fromLocal8Bit(message) : QString();
    return static_cast<StreamSink*>(user)->onStreamStatus(code, text);
}

int realStreamDataCallback(NETSDK_STREAM* stream, int channel, int streamIndex, int kind,
                           const void* block, int length, void* user) {
    return static_cast<StreamSink*>(user)->onStreamData(stream, channel, streamIndex, kind, block,
                                                        length);
}

int productTestCallback(int command, int code, const char* json, void* user) {
    emit static_cast<NetSDKInstance*>(user)->testResult(command, code,
                                                        json ? QString::fromUtf8(json) : QString());
    return code;
}

}  // namespace

NetSDKInstance* NetSDKInstance::instance() {
    static NetSDKInstance theInstance;
    return &theInstance;
}

NetSDKInstance::NetSDKInstance() {
    NETSDK_Init();
}

NetSDKInstance::~NetSDKInstance() {
    NETSDK_Cleanup();
}

NETSDK_LOGIN_INFO* NetSDKInstance::login(const DeviceParams& p) {
    if (p.ip.protocol() != QAbstractSocket::IPv4Protocol) {
        return nullptr;
    }
    return NETSDK_Login(p.ip.toString().toLocal8Bit().constData(), p.port, p.streamPort,
                        p.user.toLocal8Bit().constData(), p.password.toLocal8Bit().constData(), 0);
}

int NetSDKInstance::playRealStream(const DeviceParams& p, int stream, StreamSink* sink) {
    NETSDK_LOGIN_INFO* session = login(p);
    if (session == nullptr) {
        return 0;
    }
    const NETSDK_CHANNEL channel{0, stream};
    if (NETSDK_STREAM* handle = NETSDK_CreateRealPlay(session, &channel)) {
        NETSDK_SetRealStreamStatus(handle, realStreamStatusCallback, sink);
        // Runs the receive loop on this thread until the sink's status answer ends it.
        NETSDK_StartRealPlay(handle, realStreamDataCallback, sink, 1);
        NETSDK_StopRealPlay(handle);
        NETSDK_DestoryRealPlay(handle);
    }
    return NETSDK_Logout(session);
}

void NetSDKInstance::productTest(const DeviceParams& p, int id, const QString& text) {
    NETSDK_LOGIN_INFO* session = login(p);
    if (session == nullptr) {
        return;
    }
    const QByteArray request = text.toLocal8Bit();
    if (NETSDK_ProductTest(session, id, productTestCallback, request.constData(), this) != 0) {
        emit testResult(id, -1, QString::fromUtf8(request));
    }
    NETSDK_Logout(session);
}
