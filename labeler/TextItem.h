#pragma once

#include <QGraphicsTextItem>

#include "ItemRecords.h"

class QGraphicsScene;

// A plain text of the label in one font, edited in the text item dialog.
class TextItem : public QGraphicsTextItem {
    Q_OBJECT
    Q_PROPERTY(QString plainText READ toPlainText WRITE setPlainText)

public:
    enum { Type = LabelItemType::Text };

    // Adds the text to the scene at position and makes it the only selected item.
    TextItem(const QPoint& position, QGraphicsScene* scene);

    int type() const override { return Type; }

    TextRecord record() const;
    void apply(const TextRecord& record);

signals:
    void dirty();

public slots:
    void edit();

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event) override;
};
