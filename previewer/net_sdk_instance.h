// The previewer's one object in front of the network SDK: it owns the process-wide SDK
// set-up, runs a live stream as one blocking call, and sends the PTZ panel's commands as
// product tests, reporting every reply through testResult. Each operation logs in, works
// and logs out on its own. The SDK cannot interrupt a login or a request, so both run on a
// thread of their own (DetachedCall) that the caller gives up when the program ends: a slow
// camera never holds up the end.
#pragma once

#include <QObject>
#include <QString>

#include "device_params.h"

struct StreamSink;
class StreamStop;

class NetSDKInstance : public QObject {
    Q_OBJECT
public:
    // The process's instance, made on first use (the SDK is set up then) and destroyed
    // after main returns (the SDK is cleaned up then).
    static NetSDKInstance* instance();
    ~NetSDKInstance() override;

    // Runs stream number `stream` of the camera into sink until sink's status answer ends
    // it, or until stop is requested from another thread, which ends it at once whether it
    // logs in, connects or receives. Returns 0 when the login fails or was given up, else the
    // logout's result.
    int playRealStream(const DeviceParams& p, int stream, StreamSink* sink, StreamStop* stop);

    // Sends one command; the reply comes through testResult (code 0 with the reply, or -1
    // with the request text when the camera refused), emitted before this returns. The GUI
    // thread waits for the camera in a local event loop that takes no user input; nothing is
    // emitted when the login fails or the application quits meanwhile.
    void productTest(const DeviceParams& p, int id, const QString& text);

signals:
    void testResult(int id, int code, QString json);

private:
    NetSDKInstance();
};
