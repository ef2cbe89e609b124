#pragma once

#include <QBrush>
#include <QGraphicsRectItem>
#include <QObject>
#include <QPen>

#include "ItemRecords.h"

class QGraphicsScene;

// A rectangle of the label. Its origin is the box centre, so it turns about its centre; its
// width and height ("shear" for the property editors) follow the rectangle, rounded.
class BoxItem : public QObject, public QGraphicsRectItem {
    Q_OBJECT
    Q_PROPERTY(QPointF pos READ pos WRITE setPos)
    Q_PROPERTY(QBrush brush READ brush WRITE setBrush)
    Q_PROPERTY(QPen pen READ pen WRITE setPen)
    Q_PROPERTY(double angle READ angle WRITE setAngle)
    Q_PROPERTY(int shearHorizontal READ shearHorizontal WRITE setShearHorizontal)
    Q_PROPERTY(int shearVertical READ shearVertical WRITE setShearVertical)

public:
    enum { Type = LabelItemType::Box };

    // Adds the box to the scene centred on rect and makes it the only selected item.
    BoxItem(const QRect& rect, QGraphicsScene* scene);

    int type() const override { return Type; }
    double angle() const { return rotationAngle; }
    int shearHorizontal() const { return width; }
    int shearVertical() const { return height; }

    BoxRecord record() const;
    // Takes every field of a record read from a document or the clipboard.
    void apply(const BoxRecord& record);

signals:
    void dirty();

public slots:
    // The setters act only while the box is selected: the property editors talk to every item
    // and this keeps their edits to the selection.
    void setPen(const QPen& pen);
    void setBrush(const QBrush& brush);
    void setAngle(double angle);
    void setShearHorizontal(int shearHorizontal) { setShear(shearHorizontal, height); }
    void setShearVertical(int shearVertical) { setShear(width, shearVertical); }
    void setShear(int shearHorizontal, int shearVertical);

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;

private:
    void setRectangle(const QRectF& rect);
    void applyAngle(double angle);

    bool resizing = false;
    double rotationAngle = 0.0;
    int width = 0;
    int height = 0;
};
