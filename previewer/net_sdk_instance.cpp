#include "net_sdk_instance.h"

#include <QVector>

#include <memory>

#include "detached_call.h"
#include "netsdk.h"
#include "stream_sink.h"
#include "stream_stop.h"

namespace {

// What the stream's status callback needs: the sink it answers for, and the stop that must be
// able to end the running loop.
struct StreamCallbackContext {
    StreamSink* sink;
    StreamStop* stop;
    NETSDK_STREAM* handle;
    bool attached = false;  // the stop knows the handle; loop thread only
};

int realStreamStatusCallback(int code, const char* message, void* user) {
    auto* context = static_cast<StreamCallbackContext*>(user);
    // The first report comes from the running loop: from then on the SDK's stop may end it.
    if (!context->attached) {
        context->attached = true;
        if (!context->stop->attach(context->handle)) {
            return -1;
        }
    }
    const QString text = message ? QString::fromLocal8Bit(message) : QString();
    return context->sink->onStreamStatus(code, text);
}

int realStreamDataCallback(NETSDK_STREAM* stream, int channel, int streamIndex, int kind,
                           const void* block, int length, void* user) {
    return static_cast<StreamSink*>(user)->onStreamData(stream, channel, streamIndex, kind, block,
                                                        length);
}

// One reply of a product test, kept by the call's thread until the caller takes it.
struct TestReply {
    int id;
    int code;
    QString json;
};

int productTestCallback(int command, int code, const char* json, void* user) {
    static_cast<QVector<TestReply>*>(user)->append(
        {command, code, json ? QString::fromUtf8(json) : QString()});
    return code;
}

// Logs in to the camera of p; null when that fails or p has no IPv4 address. The caller logs
// out with NETSDK_Logout.
NETSDK_LOGIN_INFO* login(const DeviceParams& p) {
    if (p.ip.protocol() != QAbstractSocket::IPv4Protocol) {
        return nullptr;
    }
    return NETSDK_Login(p.ip.toString().toLocal8Bit().constData(), p.port, p.streamPort,
                        p.user.toLocal8Bit().constData(), p.password.toLocal8Bit().constData(), 0);
}

void logout(NETSDK_LOGIN_INFO* session) {
    if (session != nullptr) {
        NETSDK_Logout(session);
    }
}

// Logs in, sends one command and logs out, collecting the replies.
void runProductTest(const DeviceParams& p, int id, const QByteArray& request,
                    QVector<TestReply>* replies) {
    NETSDK_LOGIN_INFO* session = login(p);
    if (session == nullptr) {
        return;
    }
    if (NETSDK_ProductTest(session, id, productTestCallback, request.constData(), replies) != 0) {
        replies->append({id, -1, QString::fromUtf8(request)});
    }
    NETSDK_Logout(session);
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

int NetSDKInstance::playRealStream(const DeviceParams& p, int stream, StreamSink* sink,
                                   StreamStop* stop) {
    auto session = std::make_shared<NETSDK_LOGIN_INFO*>(nullptr);
    DetachedCall loginCall([p, session] { *session = login(p); }, [session] { logout(*session); });
    if (!stop->waitForLogin(loginCall) || *session == nullptr) {
        return 0;
    }
    const NETSDK_CHANNEL channel{0, stream};
    if (NETSDK_STREAM* handle = NETSDK_CreateRealPlay(*session, &channel)) {
        StreamCallbackContext context{sink, stop, handle};
        NETSDK_SetRealStreamStatus(handle, realStreamStatusCallback, &context);
        // Runs the receive loop on this thread until the sink's status answer or the stop
        // ends it.
        NETSDK_StartRealPlay(handle, realStreamDataCallback, sink, 1);
        stop->detach();
        NETSDK_StopRealPlay(handle);
        NETSDK_DestoryRealPlay(handle);
    }
    return NETSDK_Logout(*session);
}

void NetSDKInstance::productTest(const DeviceParams& p, int id, const QString& text) {
    auto replies = std::make_shared<QVector<TestReply>>();
    DetachedCall call([p, id, request = text.toLocal8Bit(),
                       replies] { runProductTest(p, id, request, replies.get()); },
                      nullptr);
    if (!call.waitProcessingEvents()) {
        return;  // the program is ending: the replies no longer matter
    }
    for (const TestReply& reply : qAsConst(*replies)) {
        emit testResult(reply.id, reply.code, reply.json);
    }
}
