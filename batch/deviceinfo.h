// DEVICE_INFO: what Tarnwick knows of one found camera. A value type that travels through
// queued calls, so pool tasks work on their own copy.
#pragma once

#include <QHostAddress>
#include <QMetaType>
#include <QString>

struct DEVICE_INFO {
    QString deviceId;
    QHostAddress ip;
    QString cloudId;
    bool fullNetcom = false;
    QString lampBoard;
    QString version;
    QString osdTitle;
    QString mac;
    QString serialNumber;
    QString hardwareVersion;
    QString user;
    QString password;
    int port = 80;
    int streamPort = 1680;
    QHostAddress bindAddress;  // the local address whose search found the device
    int accessible = -1;       // -1 unknown, 0 not accessible, 1 accessible
};

Q_DECLARE_METATYPE(DEVICE_INFO)
