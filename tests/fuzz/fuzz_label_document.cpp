// A label document or clipboard data as Sabbeth opens or pastes it: the first byte picks
// which, the rest is read, every record read must be held to what the editor makes (the
// limits of ItemRecords.h), and the records become items of a scene that is drawn, as opening
// a file draws it.
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
#include "ItemRecords.h"
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

void require(bool held) {
    if (!held) {
        std::abort();
    }
}

bool withinReach(const QPointF& point) {
    return qAbs(point.x()) <= RecordLimits::kMaxCoordinate &&
           qAbs(point.y()) <= RecordLimits::kMaxCoordinate;
}

bool isItemSize(double side) {
    return side >= 0 && side <= RecordLimits::kMaxItemSize;
}

bool isPlainBrush(const QBrush& brush) {
    return brush.style() >= Qt::NoBrush && brush.style() <= Qt::DiagCrossPattern;
}

// A pen of the pen dock: one of its styles, with that style's own dashes from offset 0.
bool isEditorPen(const QPen& pen) {
    return pen.style() >= Qt::NoPen && pen.style() <= Qt::DashDotDotLine && pen.dashOffset() == 0 &&
           pen.dashPattern() == QPen(pen.style()).dashPattern() && pen.widthF() >= 0 &&
           pen.widthF() <= RecordLimits::kMaxPenWidth && isPlainBrush(pen.brush());
}

// Either a pixel size or, with the pixel size unset, a point size, within the editor's range.
bool isEditorFont(const QFont& font) {
    const int pixels = font.pixelSize();
    const double points = font.pointSizeF();
    return pixels == -1
               ? points >= RecordLimits::kMinFontPoints && points <= RecordLimits::kMaxFontPoints
               : pixels > 0 && pixels <= RecordLimits::kMaxFontPoints;
}

void checkHeld(const ItemRecord& record) {
    if (const auto* box = std::get_if<BoxRecord>(&record)) {
        require(withinReach(box->pos) && withinReach(box->rect.topLeft()) &&
                isItemSize(box->width) && isItemSize(box->height) &&
                isItemSize(box->rect.width()) && isItemSize(box->rect.height()) &&
                isEditorPen(box->pen) && isPlainBrush(box->brush));
    } else if (const auto* qr = std::get_if<QrCodeRecord>(&record)) {
        require(withinReach(qr->pos) && isItemSize(qr->width) && isItemSize(qr->height));
    } else {
        const auto& text = std::get<TextRecord>(record);
        require(withinReach(text.pos) && isEditorFont(text.font));
    }
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
        checkHeld(record);
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
