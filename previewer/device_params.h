// The connection record of one camera: filled from the command line and copied into
// every player. A null ip means there is no camera to open.
#pragma once

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
