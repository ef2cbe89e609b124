#include "firmwareheader.h"

#include <QByteArray>
#include <QFile>
#include <QtEndian>

namespace {

constexpr int kHeaderBytes = 0x40000;
// Little-endian 32-bit version numbers, then NUL-terminated texts.
constexpr int kMajorOffset = 192;
constexpr int kMinorOffset = 196;
constexpr int kPatchOffset = 200;
constexpr int kSuffixOffset = 204;
constexpr int kHardwareOffset = 1568;

qint32 numberAt(const QByteArray& header, int offset) {
    return qFromLittleEndian<qint32>(header.constData() + offset);
}

// A text runs to its first NUL or to the end of the header, never beyond.
QByteArray textAt(const QByteArray& header, int offset) {
    const int end = header.indexOf('\0', offset);
    return header.mid(offset, (end < 0 ? header.size() : end) - offset);
}

}  // namespace

FirmwareHeader FirmwareHeader::read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray header = file.read(kHeaderBytes);
    header.append(QByteArray(kHeaderBytes - header.size(), '\0'));
    FirmwareHeader result;
    result.version = QStringLiteral("%1.%2.%3_%4")
                         .arg(numberAt(header, kMajorOffset))
                         .arg(numberAt(header, kMinorOffset))
                         .arg(numberAt(header, kPatchOffset))
                         .arg(QString::fromLatin1(textAt(header, kSuffixOffset)));
    // The rows' hardware texts come from the search record read as Latin-1; reading the
    // header the same way makes equal bytes compare equal, whatever they encode.
    result.hardware = QString::fromLatin1(textAt(header, kHardwareOffset));
    return result;
}
