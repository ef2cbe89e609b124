#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "netsdk.h"

class QWidget;

// The writes of one save or device command, in the order they are sent: the one path by which
// every write of a page reaches the camera. A refusal is logged and shown over the page at
// once ("保存失败"), and the save's success wait does not follow it. The camera takes each
// record on its own, so a refusal in the middle of a save of several records leaves the
// earlier ones changed: the message then names the refused record and the ones written before.
class RecordWrites {
public:
    explicit RecordWrites(QWidget* page) : page_(page) {}

    // Sends the one record of a save, or a device command; failure is the debug line of a
    // refusal. False, once logged and shown, when the camera refused it.
    bool write(const std::function<bool()>& send, const char* failure);

    // Sends one named record of a save of several. A caller that stops at the first refusal
    // sends nothing after it.
    bool write(const QString& record, const std::function<bool()>& send);

    // Holds the user for the time the camera needs to apply what it took, behind a progress
    // dialog; nothing after a refusal, when there is nothing to wait for.
    void waitApplied(const QString& text, int ms) const;

private:
    bool accepted(const std::function<bool()>& send, const QString& failure,
                  const std::function<void()>& warn);

    QWidget* page_;
    QStringList written_;
    bool refused_ = false;
};

// The send of one parameter record, for RecordWrites::write; the record must outlive it.
template <typename Record>
std::function<bool()> paramWrite(NETSDK_LOGIN_INFO* login, const NETSDK_CHANNEL* channel,
                                 int paramId, const Record& record) {
    return [=, &record] {
        return NETSDK_SetParam(login, channel, paramId, &record, int(sizeof(Record))) == 0;
    };
}
