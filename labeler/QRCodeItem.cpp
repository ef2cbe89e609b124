#include "QRCodeItem.h"

#include <QApplication>
#include <QGraphicsScene>
#include <QInputDialog>
#include <QPainter>
#include <QTransform>

#include "ItemNotifications.h"
#include "QrCode.h"

QRCodeItem::QRCodeItem(const QPoint& position, QGraphicsScene* scene)
    : QObject(), QGraphicsRectItem() {
    setFlags(ItemIsMovable | ItemIsSelectable | ItemSendsGeometryChanges);
    // The rectangle is the code's area; the base draws only the selection frame around it.
    setPen(Qt::NoPen);
    setPos(position);
    encodeSymbol();
    scene->clearSelection();
    scene->addItem(this);
    setSelected(true);
}

void QRCodeItem::setPlainText(const QString& newText) {
    if (newText != text) {
        text = newText;
        updateSymbol();
    }
}

QrCodeRecord QRCodeItem::record() const {
    return QrCodeRecord{pos(), rotationAngle, width, height, zValue(), text};
}

void QRCodeItem::apply(const QrCodeRecord& record) {
    setPos(record.pos);
    applyAngle(record.angle);
    setZValue(record.z);
    width = record.width;
    height = record.height;
    text = record.text;
    updateSymbol();
}

void QRCodeItem::setAngle(double newAngle) {
    if (isSelected() && !qFuzzyCompare(newAngle, rotationAngle)) {
        applyAngle(newAngle);
    }
}

void QRCodeItem::setShear(int newWidth, int newHeight) {
    if (isSelected() && (newWidth != width || newHeight != height)) {
        width = newWidth;
        height = newHeight;
        updateSymbol();
    }
}

void QRCodeItem::edit() {
    bool accepted = false;
    const QString newText =
        QInputDialog::getText(QApplication::activePopupWidget(), QApplication::applicationName(),
                              tr("QR barcode:"), QLineEdit::Normal, text, &accepted);
    if (accepted && !newText.isEmpty()) {
        setPlainText(newText);
    }
}

QVariant QRCodeItem::itemChange(GraphicsItemChange change, const QVariant& value) {
    if (ItemNotifications::marksDocument(change)) {
        emit dirty();
    }
    return QGraphicsRectItem::itemChange(change, value);
}

void QRCodeItem::mouseDoubleClickEvent(QGraphicsSceneMouseEvent*) {
    edit();
}

void QRCodeItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) {
    // Light modules are paper white even where the code lies over a filled box; a text that
    // cannot be encoded shows nothing.
    if (!darkModules.isEmpty()) {
        painter->fillRect(rect(), Qt::white);
        painter->fillPath(darkModules, Qt::black);
    }
    QGraphicsRectItem::paint(painter, option, widget);
}

void QRCodeItem::encodeSymbol() {
    setRect(0, 0, width, height);
    darkModules = QrCode::encode(text, width, height);
}

void QRCodeItem::updateSymbol() {
    encodeSymbol();
    update();
    emit dirty();
}

void QRCodeItem::applyAngle(double newAngle) {
    rotationAngle = newAngle;
    setTransform(QTransform().rotate(newAngle));
}
