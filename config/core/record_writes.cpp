#include "record_writes.h"

#include "refused_save.h"

bool RecordWrites::write(const QString& record, const std::function<bool()>& send) {
    if (!send()) {
        warnRecordRefused(page_, record, written_);
        return false;
    }
    written_ << record;
    return true;
}
