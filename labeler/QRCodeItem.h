#pragma once

#include <QGraphicsRectItem>
#include <QObject>
#include <QPainterPath>

#include "ItemRecords.h"

class QGraphicsScene;

// A QR code of the label. Its modules are always encoded from the text (placeholders included)
// at the item's width and height in scene units, and drawn as filled rectangles over white.
class QRCodeItem : public QObject, public QGraphicsRectItem {
    Q_OBJECT
    Q_PROPERTY(QPointF pos READ pos WRITE setPos)
    Q_PROPERTY(double angle READ angle WRITE setAngle)
    Q_PROPERTY(int shearHorizontal READ shearHorizontal WRITE setShearHorizontal)
    Q_PROPERTY(int shearVertical READ shearVertical WRITE setShearVertical)
    Q_PROPERTY(QString plainText READ plainText WRITE setPlainText)

public:
    enum { Type = LabelItemType::QrCode };
    static constexpr int kDefaultSize = 50;

    // Adds the code to the scene at position and makes it the only selected item.
    QRCodeItem(const QPoint& position, QGraphicsScene* scene);

    int type() const override { return Type; }
    double angle() const { return rotationAngle; }
    int shearHorizontal() const { return width; }
    int shearVertical() const { return height; }
    QString plainText() const { return text; }
    void setPlainText(const QString& text);
    // The dark modules in item coordinates; empty when the text cannot be encoded.
    const QPainterPath& modules() const { return darkModules; }

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    QrCodeRecord record() const;
    void apply(const QrCodeRecord& record);

signals:
    void dirty();

public slots:
    // Angle and size act only while the code is selected (see BoxItem).
    void setAngle(double angle);
    void setShearHorizontal(int shearHorizontal) { setShear(shearHorizontal, height); }
    void setShearVertical(int shearVertical) { setShear(width, shearVertical); }
    void setShear(int shearHorizontal, int shearVertical);
    void edit();

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event) override;

private:
    // Encodes the modules for the text and size.
    void encodeSymbol();
    // Encodes them again after a change of text or size, which marks the document.
    void updateSymbol();
    void applyAngle(double angle);

    QString text = "{%code%}";
    double rotationAngle = 0.0;
    int width = kDefaultSize;
    int height = kDefaultSize;
    QPainterPath darkModules;
};
