// DeviceItem: one cell of the device table. The item of column 0 owns the row's
// DEVICE_INFO; the other cells of the row carry none.
#pragma once

#include <QStandardItem>
#include <memory>

#include "deviceinfo.h"

class DeviceItem : public QStandardItem {
public:
    using QStandardItem::QStandardItem;

    // The owned record, or null on items that carry none.
    DEVICE_INFO* info() const { return record.get(); }
    // Copies every field of source into the item's record, making the record if needed.
    void setInfo(const DEVICE_INFO& source);

    QHostAddress ipAddress() const;
    void setIPAddress(const QHostAddress& address);
    int accessible() const;
    void setAccessible(int state);

    // Column 0's look: a check box, text aligned left and vertically centred.
    void makeCheckable();

private:
    std::unique_ptr<DEVICE_INFO> record;
};
