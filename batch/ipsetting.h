// IPSetting: the address, mask and gateway that one IP change sends to one device.
#pragma once

#include <QHostAddress>
#include <QMetaType>

struct IPSetting {
    QHostAddress ip;
    QHostAddress mask;
    QHostAddress gateway;
    bool sameIP = false;  // every device gets the same address instead of numbered ones

    // The setting for the next device when addresses are numbered: the address goes up by
    // one, skipping .255, .0 and .1 of the next /24, where the gateway follows with its last
    // byte kept. With sameIP the next device gets this same setting.
    IPSetting next() const;
};

Q_DECLARE_METATYPE(IPSetting)
