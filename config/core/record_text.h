#pragma once

#include <QByteArray>
#include <QString>
#include <cstring>

// Texts of the parameter records: fixed fields that end with a zero byte.

// Copies a text into a record field with its terminating zero. The forms limit what can be
// typed; a longer text is refused rather than cut, so the camera never gets a name the
// user did not write.
inline bool copyRecordText(char* field, size_t size, const QByteArray& text) {
    if (size_t(text.size()) >= size) {
        return false;
    }
    std::memcpy(field, text.constData(), size_t(text.size()));
    field[text.size()] = '\0';
    return true;
}

// A record text read as UTF-8, also when the camera filled the field to its last byte.
inline QString recordText(const char* field, size_t size) {
    return QString::fromUtf8(field, int(qstrnlen(field, uint(size))));
}
template <size_t N>
QString recordText(const char (&field)[N]) {
    return recordText(field, N);
}
