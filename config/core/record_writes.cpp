#include "record_writes.h"

#include <QDebug>

#include "refused_save.h"
#include "wait_for.h"

bool RecordWrites::write(const std::function<bool()>& send, const char* failure) {
    return accepted(send, QString::fromUtf8(failure), [this] { warnSaveRefused(page_); });
}

bool RecordWrites::write(const QString& record, const std::function<bool()>& send) {
    if (!accepted(send, QString("Save of %1 refused").arg(record),
                  [this, &record] { warnRecordRefused(page_, record, written_); })) {
        return false;
    }
    written_ << record;
    return true;
}

void RecordWrites::waitApplied(const QString& text, int ms) const {
    if (refused_) {
        return;
    }
    WaitFor busy(text, page_);
    busy.wait(ms);
}

bool RecordWrites::accepted(const std::function<bool()>& send, const QString& failure,
                            const std::function<void()>& warn) {
    if (send()) {
        return true;
    }
    refused_ = true;
    qDebug().noquote() << failure;
    warn();
    return false;
}
