#pragma once

#include <QBrush>
#include <QDataStream>
#include <QFont>
#include <QGraphicsItem>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <variant>

// The records in which label items leave the scene, for documents and the clipboard alike: a
// qint32 type code followed by the body of that type, written with QDataStream.
namespace LabelItemType {
constexpr qint32 Box = QGraphicsItem::UserType + 1;
constexpr qint32 QrCode = QGraphicsItem::UserType + 2;
constexpr qint32 Text = QGraphicsItem::UserType + 3;
}  // namespace LabelItemType

struct BoxRecord {
    QPointF pos;
    double angle = 0.0;
    qint32 width = 0;
    qint32 height = 0;
    double z = 0.0;
    QRectF rect;
    QPen pen;
    QBrush brush;
};

struct QrCodeRecord {
    QPointF pos;
    double angle = 0.0;
    qint32 width = 0;
    qint32 height = 0;
    double z = 0.0;
    QString text;
};

struct TextRecord {
    QPointF pos;
    double z = 0.0;
    QString text;
    QFont font;
};

using ItemRecord = std::variant<BoxRecord, QrCodeRecord, TextRecord>;

// Limits that records from files and the clipboard are held to: the ranges the property editors
// offer, so that nothing read can ask for an image or a font larger than the designer makes.
namespace RecordLimits {
// Item sizes reach across the largest page the page dialog allows, 500 mm (1417.3 pt).
constexpr int kMaxItemSize = 1418;
constexpr double kMaxPenWidth = 20.0;
constexpr double kMinFontPoints = 1.0;
constexpr double kMaxFontPoints = 280.0;
// Positions and box corners lie within a million points (350 m) of the page: far beyond any
// label, and well inside the int range of the scene's whole-unit geometry.
constexpr double kMaxCoordinate = 1e6;
}  // namespace RecordLimits

QDataStream& operator<<(QDataStream& out, const BoxRecord& record);
QDataStream& operator<<(QDataStream& out, const QrCodeRecord& record);
QDataStream& operator<<(QDataStream& out, const TextRecord& record);
// Writes the type code, then the body.
QDataStream& operator<<(QDataStream& out, const ItemRecord& record);

// Reads one body of the given type. False when the data is cut short, holds a value that is not
// a finite number or lies beyond reach, or holds a pen, brush or font that the designer cannot
// have written; sizes beyond the limits above are brought into range, and dashes to the pen
// style's own pattern. The stream must sit on a seekable device.
bool readRecordBody(QDataStream& in, qint32 type, ItemRecord& record);
