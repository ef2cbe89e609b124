// The firmware file's header: version and hardware texts.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QtEndian>

#include "firmwareheader.h"

namespace {

QByteArray headerBytes(qint32 major, qint32 minor, qint32 patch, const QByteArray& suffix,
                       const QByteArray& hardware, int size = 0x40000) {
    QByteArray bytes(size, '\0');
    const qint32 numbers[] = {qToLittleEndian(major), qToLittleEndian(minor),
                              qToLittleEndian(patch)};
    bytes.replace(192, sizeof numbers, reinterpret_cast<const char*>(numbers), sizeof numbers);
    bytes.replace(204, suffix.size(), suffix);
    bytes.replace(1568, hardware.size(), hardware);
    return bytes;
}

QString writeFile(const QTemporaryDir& dir, const QByteArray& bytes) {
    const QString path = dir.filePath("firmware.rom");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

}  // namespace

TEST(FirmwareHeader, VersionAndHardware) {
    QTemporaryDir dir;
    const QByteArray hardware = "HW-\xc3\xa9 2";  // UTF-8 é, compared byte for byte
    const FirmwareHeader header =
        FirmwareHeader::read(writeFile(dir, headerBytes(1, 2, 3, "abc", hardware) + "tail"));
    EXPECT_EQ(header.version, "1.2.3_abc");
    EXPECT_EQ(header.hardware, QString::fromLatin1(hardware));
}

TEST(FirmwareHeader, ShortFileReadsAsZeros) {
    QTemporaryDir dir;
    const FirmwareHeader header =
        FirmwareHeader::read(writeFile(dir, headerBytes(7, -1, 0, "x", "", 205)));
    EXPECT_EQ(header.version, "7.-1.0_x");
    EXPECT_EQ(header.hardware, "");
}

TEST(FirmwareHeader, TextWithoutEndStopsAtHeaderEnd) {
    QTemporaryDir dir;
    QByteArray bytes = headerBytes(1, 0, 0, "", "");
    bytes.replace(1568, bytes.size() - 1568, QByteArray(bytes.size() - 1568, 'H'));
    const FirmwareHeader header = FirmwareHeader::read(writeFile(dir, bytes + "beyond"));
    EXPECT_EQ(header.hardware.size(), 0x40000 - 1568);
}

TEST(FirmwareHeader, MissingFileGivesEmptyTexts) {
    const FirmwareHeader header = FirmwareHeader::read("/nonexistent/firmware.rom");
    EXPECT_EQ(header.version, "");
    EXPECT_EQ(header.hardware, "");
}
