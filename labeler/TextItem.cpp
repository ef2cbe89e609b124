#include "TextItem.h"

#include <QDialog>
#include <QGraphicsScene>
#include <QGraphicsView>

#include "ItemNotifications.h"
#include "TextItemDialog.h"

TextItem::TextItem(const QPoint& position, QGraphicsScene* scene) : QGraphicsTextItem() {
    setFont(QFont("Helvetica", 3));
    setFlags(ItemIsMovable | ItemIsSelectable | ItemSendsGeometryChanges);
    setPos(position);
    scene->clearSelection();
    scene->addItem(this);
    setSelected(true);
}

TextRecord TextItem::record() const {
    return TextRecord{pos(), zValue(), toPlainText(), font()};
}

void TextItem::apply(const TextRecord& record) {
    setPos(record.pos);
    setZValue(record.z);
    setPlainText(record.text);
    setFont(record.font);
}

void TextItem::edit() {
    QWidget* parent = nullptr;
    if (scene() && !scene()->views().isEmpty()) {
        parent = scene()->views().first()->window();
    }
    TextItemDialog dialog(this, QPoint(0, 0), scene(), parent);
    if (dialog.exec() == QDialog::Accepted) {
        emit dirty();
    }
}

QVariant TextItem::itemChange(GraphicsItemChange change, const QVariant& value) {
    if (ItemNotifications::marksDocument(change)) {
        emit dirty();
    }
    return QGraphicsTextItem::itemChange(change, value);
}

void TextItem::mouseDoubleClickEvent(QGraphicsSceneMouseEvent*) {
    edit();
}
