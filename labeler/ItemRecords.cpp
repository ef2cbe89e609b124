#include "ItemRecords.h"

#include <QIODevice>
#include <QTransform>
#include <cmath>

#include "RecordScanner.h"

namespace {

bool finite(double value) {
    return std::isfinite(value);
}
bool finite(const QPointF& point) {
    return finite(point.x()) && finite(point.y());
}
bool finite(const QRectF& rect) {
    return finite(rect.x()) && finite(rect.y()) && finite(rect.width()) && finite(rect.height());
}
bool finite(const QTransform& t) {
    const double values[] = {t.m11(), t.m12(), t.m13(), t.m21(), t.m22(),
                             t.m23(), t.m31(), t.m32(), t.m33()};
    for (double value : values) {
        if (!finite(value)) {
            return false;
        }
    }
    return true;
}

bool withinReach(const QPointF& point) {
    return qAbs(point.x()) <= RecordLimits::kMaxCoordinate &&
           qAbs(point.y()) <= RecordLimits::kMaxCoordinate;
}

qint32 boundedSize(qint32 size) {
    return qBound(0, size, RecordLimits::kMaxItemSize);
}

QRectF boundedRect(QRectF rect) {
    rect.setWidth(qBound(0.0, rect.width(), double(RecordLimits::kMaxItemSize)));
    rect.setHeight(qBound(0.0, rect.height(), double(RecordLimits::kMaxItemSize)));
    return rect;
}

// Runs Qt's own reader of a pen, brush or font only once the scanner has walked the same bytes
// and found every count and length in them plausible: Qt reserves memory for a dash pattern or a
// family list by the count it reads, before it knows whether the data holds that many.
template <typename Value>
bool readChecked(QDataStream& in, Value& value, bool (*scan)(QDataStream&)) {
    QIODevice* device = in.device();
    const qint64 start = device->pos();
    const bool plausible = scan(in);
    in.resetStatus();
    if (!plausible || !device->seek(start)) {
        return false;
    }
    in >> value;
    return in.status() == QDataStream::Ok;
}

// The pen dock offers no pen style beyond these, and no dash pattern but the style's own.
bool isEditorPenStyle(Qt::PenStyle style) {
    return style >= Qt::NoPen && style <= Qt::DashDotDotLine;
}

// A stream carries a dash pattern and offset of its own; far along a wide pen they keep the
// stroker busy for ever. Setting another style and back gives the pen its style's pattern again,
// which starts at offset 0, as every pen the editor makes.
void restoreStyleDashes(QPen& pen) {
    const Qt::PenStyle style = pen.style();
    pen.setStyle(style == Qt::NoPen ? Qt::SolidLine : Qt::NoPen);
    pen.setStyle(style);
}

bool readPen(QDataStream& in, QPen& pen) {
    if (!readChecked(in, pen, RecordScanner::skipPen)) {
        return false;
    }
    if (!finite(pen.widthF()) || !finite(pen.miterLimit()) || !finite(pen.brush().transform()) ||
        !isEditorPenStyle(pen.style())) {
        return false;
    }
    restoreStyleDashes(pen);
    if (pen.widthF() < 0.0) {
        // setWidthF() ignores a change smaller than 1e-8, which would keep a tiny negative width;
        // the whole-number setter compares exactly.
        pen.setWidth(0);
    } else if (pen.widthF() > RecordLimits::kMaxPenWidth) {
        pen.setWidthF(RecordLimits::kMaxPenWidth);
    }
    return true;
}

bool readBrush(QDataStream& in, QBrush& brush) {
    return readChecked(in, brush, RecordScanner::skipBrush) && finite(brush.transform());
}

// A font has either a pixel size or, with the pixel size unset (-1), a point size; a zero or
// negative size would ask for glyph images of absurd dimensions.
bool hasSize(const QFont& font) {
    const int pixels = font.pixelSize();
    return pixels > 0 || (pixels == -1 && font.pointSizeF() > 0.0);
}

bool readFont(QDataStream& in, QFont& font) {
    if (!readChecked(in, font, RecordScanner::skipFont) || !finite(font.pointSizeF()) ||
        !hasSize(font)) {
        return false;
    }
    const double maxPoints = RecordLimits::kMaxFontPoints;
    if (font.pixelSize() > maxPoints) {
        font.setPixelSize(int(maxPoints));
    } else if (font.pointSizeF() > 0.0 && (font.pointSizeF() < RecordLimits::kMinFontPoints ||
                                           font.pointSizeF() > maxPoints)) {
        font.setPointSizeF(qBound(RecordLimits::kMinFontPoints, font.pointSizeF(), maxPoints));
    }
    return true;
}

bool readBox(QDataStream& in, BoxRecord& box) {
    in >> box.pos >> box.angle >> box.width >> box.height >> box.z >> box.rect;
    if (in.status() != QDataStream::Ok || !finite(box.pos) || !finite(box.angle) ||
        !finite(box.z) || !finite(box.rect) || !withinReach(box.pos) ||
        !withinReach(box.rect.topLeft())) {
        return false;
    }
    box.width = boundedSize(box.width);
    box.height = boundedSize(box.height);
    box.rect = boundedRect(box.rect);
    return readPen(in, box.pen) && readBrush(in, box.brush);
}

bool readQrCode(QDataStream& in, QrCodeRecord& qr) {
    in >> qr.pos >> qr.angle >> qr.width >> qr.height >> qr.z >> qr.text;
    if (in.status() != QDataStream::Ok || !finite(qr.pos) || !finite(qr.angle) || !finite(qr.z) ||
        !withinReach(qr.pos)) {
        return false;
    }
    qr.width = boundedSize(qr.width);
    qr.height = boundedSize(qr.height);
    return true;
}

bool readText(QDataStream& in, TextRecord& text) {
    in >> text.pos >> text.z >> text.text;
    if (in.status() != QDataStream::Ok || !finite(text.pos) || !finite(text.z) ||
        !withinReach(text.pos)) {
        return false;
    }
    return readFont(in, text.font);
}

template <typename Record>
bool readInto(QDataStream& in, ItemRecord& record, bool (*read)(QDataStream&, Record&)) {
    Record body;
    if (!read(in, body)) {
        return false;
    }
    record = body;
    return true;
}

}  // namespace

QDataStream& operator<<(QDataStream& out, const BoxRecord& record) {
    return out << record.pos << record.angle << record.width << record.height << record.z
               << record.rect << record.pen << record.brush;
}

QDataStream& operator<<(QDataStream& out, const QrCodeRecord& record) {
    return out << record.pos << record.angle << record.width << record.height << record.z
               << record.text;
}

QDataStream& operator<<(QDataStream& out, const TextRecord& record) {
    return out << record.pos << record.z << record.text << record.font;
}

QDataStream& operator<<(QDataStream& out, const ItemRecord& record) {
    static const qint32 typeCodes[] = {LabelItemType::Box, LabelItemType::QrCode,
                                       LabelItemType::Text};
    out << typeCodes[record.index()];
    std::visit([&out](const auto& body) { out << body; }, record);
    return out;
}

bool readRecordBody(QDataStream& in, qint32 type, ItemRecord& record) {
    switch (type) {
        case LabelItemType::Box:
            return readInto(in, record, readBox);
        case LabelItemType::QrCode:
            return readInto(in, record, readQrCode);
        case LabelItemType::Text:
            return readInto(in, record, readText);
        default:
            return false;
    }
}
