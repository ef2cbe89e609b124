#include "DocumentCodec.h"

#include <QFile>
#include <QSaveFile>

namespace DocumentCodec {

namespace {
// Far more items than any label holds; keeps a hostile file from filling the scene.
const int kMaxRecords = 100000;

void writeRecords(QDataStream& out, const QVector<ItemRecord>& records) {
    for (const ItemRecord& record : records) {
        out << record;
    }
}
}  // namespace

ReadResult readDocument(const QString& path) {
    ReadResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = ReadStatus::OpenFailed;
        result.errorString = file.errorString();
        return result;
    }
    QDataStream in(&file);
    in.setVersion(kStreamVersion);
    qint32 magic = 0;
    in >> magic;
    if (in.status() != QDataStream::Ok || magic != kMagic) {
        result.status = ReadStatus::NotADocument;
        return result;
    }
    qint16 version = 0;
    in >> version;
    if (in.status() != QDataStream::Ok) {
        result.status = ReadStatus::NotADocument;
    } else if (version > kVersion) {
        result.status = ReadStatus::TooNew;
    } else if (!readRecords(in, result.records)) {
        result.status = ReadStatus::Damaged;
    }
    return result;
}

QString writeDocument(const QString& path, const QVector<ItemRecord>& records) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    QDataStream out(&file);
    out.setVersion(kStreamVersion);
    out << kMagic << kVersion;
    writeRecords(out, records);
    if (out.status() != QDataStream::Ok) {
        file.cancelWriting();
        return file.errorString().isEmpty() ? QString("write error") : file.errorString();
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return QString();
}

bool readRecords(QDataStream& in, QVector<ItemRecord>& records) {
    QVector<ItemRecord> read;
    while (!in.atEnd()) {
        qint32 type = 0;
        in >> type;
        ItemRecord record;
        if (read.size() >= kMaxRecords || in.status() != QDataStream::Ok ||
            !readRecordBody(in, type, record)) {
            return false;
        }
        read.append(record);
    }
    records = read;
    return true;
}

QByteArray clipboardData(const QVector<ItemRecord>& records) {
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setVersion(kStreamVersion);
    writeRecords(out, records);
    return data;
}

}  // namespace DocumentCodec
