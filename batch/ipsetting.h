// IPSetting: the address, mask and gateway that one IP change sends to one device.
#pragma once

#include <QHostAddress>
#include <QMetaType>

struct IPSetting {
    QHostAddress ip;
    QHostAddress mask;
    QHostAddress gateway;
    bool sameIP = false;  // every device gets the same address instead of numbered ones
};

Q_DECLARE_METATYPE(IPSetting)
