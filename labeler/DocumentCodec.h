#pragma once

#include <QByteArray>
#include <QDataStream>
#include <QString>
#include <QVector>

#include "ItemRecords.h"

// The ".tmq" label document (a 6-byte header, then item records up to the end) and the label
// clipboard format (the records alone). All streams use Qt 5.14's stream version, so documents
// stay interchangeable with the designer's earlier builds whatever Qt this one runs on.
namespace DocumentCodec {

constexpr qint32 kMagic = 0x034A9F21;
constexpr qint16 kVersion = 2;
constexpr int kStreamVersion = QDataStream::Qt_5_14;
constexpr char kClipboardMimeType[] = "application/{82959F55-A005-4F9B-A468-955D521D9691}";

enum class ReadStatus { Ok, OpenFailed, NotADocument, TooNew, Damaged };

struct ReadResult {
    ReadStatus status = ReadStatus::Ok;
    QString errorString;  // the file's error for OpenFailed
    QVector<ItemRecord> records;
};

// All records of the document, or none: a document that cannot be read whole yields no item.
ReadResult readDocument(const QString& path);

// Writes the document through a temporary file that replaces path only once everything is
// written, so a failed save leaves the old file as it was. Returns the error, empty on success.
QString writeDocument(const QString& path, const QVector<ItemRecord>& records);

// Reads records up to the end of the stream; false, with no records, at the first damaged or
// unknown one. The stream must sit on a seekable device.
bool readRecords(QDataStream& in, QVector<ItemRecord>& records);

QByteArray clipboardData(const QVector<ItemRecord>& records);

}  // namespace DocumentCodec
