// The previewer's one object in front of the network SDK: it owns the process-wide SDK
// set-up, runs a live stream as one blocking call, and sends the PTZ panel's commands as
// product tests, reporting every reply through testResult. Each operation logs in, works
// and logs out on its own; nothing here starts a thread.
#pragma once

#include <QObject>
#include <QString>

#include "device_params.h"

struct NETSDK_LOGIN_INFO;
struct StreamSink;

class NetSDKInstance : public QObject {
    Q_OBJECT
public:
    // The process's instance, made on first use (the SDK is set up then) and destroyed
    // after main returns (the SDK is cleaned up then).
    static NetSDKInstance* instance();
    ~NetSDKInstance() override;

    // Logs in to the camera of p; null when that fails or p has no IPv4 address.
    // The caller logs out with NETSDK_Logout.
    NETSDK_LOGIN_INFO* login(const DeviceParams& p);

    // Runs stream number `stream` of the camera into sink until sink's status answer ends
    // it. Returns 0 when the login fails, else the logout's result.
    int playRealStream(const DeviceParams& p, int stream, StreamSink* sink);

    // Sends one command; the reply comes through testResult (code 0 with the reply, or -1
    // with the request text when the camera refused), emitted before this returns.
    // Nothing is emitted when the login fails.
    void productTest(const DeviceParams& p, int id, const QString& text);

signals:
    void testResult(int id, int code, QString json);

private:
    NetSDKInstance();
};
