// The connection record of one camera: filled from the command line and copied into
// every player. A null ip means there is no camera to open.
#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QString>

struct DeviceParams {
    QHostAddress ip;
    QString user;
    QString password;
    int port = 80;          // the camera's HTTP port
    int streamPort = 1680;  // the camera's stream port; no option changes it
    int stream = 0;         // 0 main stream, 1 sub stream
};

// The SDK's login keeps the user name and the password, in the local 8-bit encoding, in
// fields of 64 bytes with their terminating zero, and cuts what is longer. A cut password
// could only fail, or log in as somebody else: such a record is refused instead.
constexpr int kMaxLoginTextBytes = 63;

// Why p cannot log in as it stands (an English text for the command line), or an empty
// text when it can.
inline QString loginTextProblem(const DeviceParams& p) {
    if (p.user.toLocal8Bit().size() > kMaxLoginTextBytes) {
        return QString("The user name is longer than %1 bytes").arg(kMaxLoginTextBytes);
    }
    if (p.password.toLocal8Bit().size() > kMaxLoginTextBytes) {
        return QString("The password is longer than %1 bytes").arg(kMaxLoginTextBytes);
    }
    return QString();
}
