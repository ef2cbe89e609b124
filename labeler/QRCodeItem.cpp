#include "QRCodeItem.h"

#include <QApplication>
#include <QGraphicsScene>
#include <QInputDialog>
#include <QTransform>

#include "ItemNotifications.h"
#include "QrCode.h"

QRCodeItem::QRCodeItem(const QPoint& position, QGraphicsScene* scene)
    : QObject(), QGraphicsPixmapItem() {
    setFlags(ItemIsMovable | ItemIsSelectable | ItemSendsGeometryChanges);
    setPos(position);
    setPixmap(QrCode::encode(text, width, height));
    scene->clearSelection();
    scene->addItem(this);
    setSelected(true);
}

void QRCodeItem::setPlainText(const QString& newText) {
    if (newText != text) {
        text = newText;
        updatePixmap();
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
    updatePixmap();
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
        updatePixmap();
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
    return QGraphicsPixmapItem::itemChange(change, value);
}

void QRCodeItem::mouseDoubleClickEvent(QGraphicsSceneMouseEvent*) {
    edit();
}

void QRCodeItem::updatePixmap() {
    setPixmap(QrCode::encode(text, width, height));
    update();
    emit dirty();
}

void QRCodeItem::applyAngle(double newAngle) {
    rotationAngle = newAngle;
    setTransform(QTransform().rotate(newAngle));
}
