#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "netsdk.h"

class QWidget;

// The writes of one save, in the order they are sent. The camera takes each record on its
// own, so a refusal in the middle leaves the earlier ones changed: the user is told at once
// which record was refused and which ones were written before it.
class RecordWrites {
public:
    explicit RecordWrites(QWidget* page) : page_(page) {}

    // Sends one record through send; false, once the user has been told, when the camera
    // refused it. A caller that stops at the first refusal sends nothing after it.
    bool write(const QString& record, const std::function<bool()>& send);

private:
    QWidget* page_;
    QStringList written_;
};

// The send of one parameter record, for RecordWrites::write; the record must outlive it.
template <typename Record>
std::function<bool()> paramWrite(NETSDK_LOGIN_INFO* login, const NETSDK_CHANNEL* channel,
                                 int paramId, const Record& record) {
    return [=, &record] {
        return NETSDK_SetParam(login, channel, paramId, &record, int(sizeof(Record))) == 0;
    };
}
