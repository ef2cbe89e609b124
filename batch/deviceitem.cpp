#include "deviceitem.h"

void DeviceItem::setInfo(const DEVICE_INFO& source) {
    if (!record)
        record = std::make_unique<DEVICE_INFO>();
    *record = source;
}

QHostAddress DeviceItem::ipAddress() const {
    return record ? record->ip : QHostAddress();
}

void DeviceItem::setIPAddress(const QHostAddress& address) {
    if (record)
        record->ip = address;
    setText(address.toString());
}

int DeviceItem::accessible() const {
    return record ? record->accessible : -1;
}

void DeviceItem::setAccessible(int state) {
    if (record)
        record->accessible = state;
}

void DeviceItem::makeCheckable() {
    setCheckable(true);
    setCheckState(Qt::Unchecked);
    setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}
