// A label document or clipboard data as Sabbeth opens or pastes it: the first byte picks
// which, the rest is read, and whatever was read becomes items of a scene that is drawn, as
// opening a file draws it.
#include <QApplication>
#include <QBuffer>
#include <QDataStream>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QTemporaryFile>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <variant>

#include "BoxItem.h"
#include "DocumentCodec.h"
#include "QRCodeItem.h"
#include "TextItem.h"

namespace {

QVector<ItemRecord> readAsDocument(const QByteArray& bytes) {
    QTemporaryFile file;
    if (!file.open() || file.write(bytes) != bytes.size() || !file.flush()) {
        std::abort();
    }
    return DocumentCodec::readDocument(file.fileName()).records;
}

QVector<ItemRecord> readAsClipboard(QByteArray bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QDataStream in(&buffer);
    in.setVersion(DocumentCodec::kStreamVersion);
    QVector<ItemRecord> records;
    DocumentCodec::readRecords(in, records);
    return records;
}

void addItem(QGraphicsScene& scene, const ItemRecord& record) {
    if (const auto* box = std::get_if<BoxRecord>(&record)) {
        (new BoxItem(QRect(), &scene))->apply(*box);
    } else if (const auto* qr = std::get_if<QrCodeRecord>(&record)) {
        (new QRCodeItem(QPoint(), &scene))->apply(*qr);
    } else {
        (new TextItem(QPoint(), &scene))->apply(std::get<TextRecord>(record));
    }
}

void draw(const QVector<ItemRecord>& records) {
    QGraphicsScene scene;
    for (const ItemRecord& record : records) {
        addItem(scene, record);
    }
    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    scene.render(&painter);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: libFuzzer ends through exit(), and a QApplication destroyed among the
    // exit handlers runs after Qt's own globals are gone and crashes.
    static auto* application = new QApplication(*argc, *argv);
    Q_UNUSED(application);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), static_cast<int>(size - 1));
    draw((data[0] & 1) != 0 ? readAsDocument(bytes) : readAsClipboard(bytes));
    return 0;
}
