// The property docks on the real window: which docks a selection enables, what they show, how
// their edits reach the selected items, and that showing a selection never changes an item.

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QPixmapCache>
#include <QSpinBox>
#include <functional>
#include <memory>

#include "BoxItem.h"
#include "BrushWidget.h"
#include "LabelerTest.h"
#include "MainWindow.h"
#include "PenWidget.h"
#include "QRCodeItem.h"
#include "Swatches.h"
#include "TextItem.h"
#include "TransformWidget.h"

class DocksTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        window = std::make_unique<MainWindow>();
        box = addBox(QRect(10, 10, 90, 30));
        qr = new QRCodeItem(QPoint(150, 20), window->scene());
        window->connectItem(qr);
        text = new TextItem(QPoint(20, 150), window->scene());
        window->connectItem(text);
        window->scene()->clearSelection();
        window->setDirty(false);
    }

    void cleanup() {
        window->setWindowModified(false);
        window.reset();
    }

    void selectionEnablesTheDocksOfItsProperties_data() {
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<bool>("geometry");
        QTest::addColumn<bool>("brush");
        QTest::addColumn<bool>("pen");
        QTest::newRow("box") << QStringList{"box"} << true << true << true;
        QTest::newRow("qr code") << QStringList{"qr"} << true << false << false;
        QTest::newRow("text") << QStringList{"text"} << false << false << false;
        QTest::newRow("box and text") << QStringList{"box", "text"} << true << true << true;
        QTest::newRow("qr code and text") << QStringList{"qr", "text"} << true << false << false;
        QTest::newRow("nothing") << QStringList{} << false << false << false;
    }
    void selectionEnablesTheDocksOfItsProperties() {
        QFETCH(QStringList, selected);
        QFETCH(bool, geometry);
        QFETCH(bool, brush);
        QFETCH(bool, pen);
        for (const QString& name : selected) {
            item(name)->setSelected(true);
        }
        QCOMPARE(dock<TransformWidget>()->isEnabled(), geometry);
        QCOMPARE(dock<BrushWidget>()->isEnabled(), brush);
        QCOMPARE(dock<PenWidget>()->isEnabled(), pen);
    }

    void oneSelectedItemIsShownAndSeveralKeepTheLastShown() {
        box->setSelected(true);
        box->setBrush(QBrush(Qt::red, Qt::Dense3Pattern));
        box->setPen(QPen(QBrush(Qt::blue), 4, Qt::DashLine));
        box->setAngle(30);
        box->setShear(120, 40);
        window->scene()->clearSelection();
        box->setSelected(true);
        QCOMPARE(brushStyle()->currentText(), QString("Dense #3"));
        QCOMPARE(penWidth()->value(), 4);
        QCOMPARE(penStyle()->currentText(), QString("Dashed"));
        QCOMPARE(angle()->value(), 30.0);
        QCOMPARE(width()->value(), 120);
        QCOMPARE(height()->value(), 40);
        qr->setSelected(true);
        text->setSelected(true);
        QCOMPARE(width()->value(), 120);
        QCOMPARE(brushStyle()->currentText(), QString("Dense #3"));
    }

    void dockEditsReachTheSelectedItems() {
        BoxItem* untouched = addBox(QRect(200, 200, 10, 10));
        BoxItem* other = addBox(QRect(10, 60, 40, 20));
        window->scene()->clearSelection();
        box->setSelected(true);
        box->setBrush(QBrush(Qt::red, Qt::SolidPattern));
        window->scene()->clearSelection();
        box->setSelected(true);  // the dock now holds the red brush
        other->setSelected(true);
        qr->setSelected(true);
        window->setDirty(false);
        brushStyle()->setCurrentText("Diagonal Cross");
        for (BoxItem* edited : {box, other}) {
            QCOMPARE(edited->brush(), QBrush(Qt::red, Qt::DiagCrossPattern));
        }
        penWidth()->setValue(0);
        QCOMPARE(penWidth()->text(), QString("1 px (fine)"));
        QCOMPARE(other->pen().width(), 0);
        angle()->setValue(45);
        QCOMPARE(qr->angle(), 45.0);
        QCOMPARE(other->angle(), 45.0);
        height()->setValue(70);
        QCOMPARE(qr->shearVertical(), 70);
        QCOMPARE(box->shearVertical(), 70);
        QVERIFY(window->isWindowModified());
        // An unselected item is linked too, yet stays as it was.
        QCOMPARE(untouched->brush(), QBrush());
        QCOMPARE(untouched->pen(), QPen());
        QCOMPARE(untouched->angle(), 0.0);
        QCOMPARE(untouched->shearVertical(), 10);
    }

    // Values that documents from elsewhere can hold and the docks cannot show as they are.
    void showingASelectionNeverChangesTheItem_data() {
        QTest::addColumn<QPen>("pen");
        QTest::addColumn<QBrush>("brush");
        QTest::addColumn<double>("rotation");
        QTest::newRow("ordinary") << QPen(Qt::black, 2) << QBrush(Qt::black, Qt::SolidPattern)
                                  << 10.0;
        QTest::newRow("fractional pen width")
            << QPen(QBrush(Qt::black), 2.5) << QBrush(Qt::black, Qt::HorPattern) << 0.0;
        QTest::newRow("pen wider than the box offers")
            << QPen(QBrush(Qt::black), 35) << QBrush() << 0.0;
        QTest::newRow("pen style not offered")
            << QPen(QBrush(Qt::black), 1, Qt::CustomDashLine) << QBrush() << 0.0;
        QTest::newRow("brush style not offered")
            << QPen() << QBrush(Qt::green, Qt::Dense7Pattern) << 0.0;
        QTest::newRow("gradient brush") << QPen() << QBrush(QLinearGradient(0, 0, 5, 5)) << 0.0;
        QTest::newRow("negative angle") << QPen() << QBrush() << -30.0;
        QTest::newRow("angle beyond a turn") << QPen() << QBrush() << 400.0;
    }
    void showingASelectionNeverChangesTheItem() {
        QFETCH(QPen, pen);
        QFETCH(QBrush, brush);
        QFETCH(double, rotation);
        // The docks first show an ordinary box, so that every control has to change.
        BoxItem* shown = addBox(QRect(0, 0, 30, 30));
        shown->setPen(QPen(QBrush(Qt::black), 7, Qt::DotLine));
        shown->setBrush(QBrush(Qt::black, Qt::CrossPattern));
        shown->setAngle(90);
        window->scene()->clearSelection();
        shown->setSelected(true);
        box->setSelected(true);
        box->setPen(pen);
        box->setBrush(brush);
        box->setAngle(rotation);
        box->setShear(999, 1);
        window->scene()->clearSelection();
        window->setDirty(false);
        box->setSelected(true);
        QCOMPARE(box->pen(), pen);
        QCOMPARE(box->brush(), brush);
        QCOMPARE(box->angle(), rotation);
        QCOMPARE(box->shearHorizontal(), 999);
        QVERIFY(!window->isWindowModified());
    }

    void swatchesAreDrawnOnceAndCached() {
        QPixmapCache::clear();
        const QPixmap solid = brushStyleSwatch(Qt::SolidPattern, Qt::black, QSize(24, 24));
        QPixmap cached;
        QVERIFY(QPixmapCache::find("BRUSHSTYLESWATCH:1:#000000:24x24", &cached));
        QCOMPARE(cached.cacheKey(), solid.cacheKey());
        QCOMPARE(solid.toImage().pixelColor(12, 12), QColor(Qt::black));
        const QPixmap dashed = penStyleSwatch(Qt::DashLine, Qt::red, QSize(24, 10));
        QVERIFY(QPixmapCache::find("PENSTYLESWATCH:2:#ff0000:24x10", &cached));
        QCOMPARE(dashed.toImage().pixelColor(1, 5), QColor(Qt::red));
        QCOMPARE(dashed.toImage().pixelColor(1, 1), QColor(Qt::transparent));
        QCOMPARE(penStyleSwatch(Qt::DashLine, Qt::red, QSize(24, 10)).cacheKey(),
                 dashed.cacheKey());
    }

    void editorRangesHoldTheirLimits() {
        box->setSelected(true);
        angle()->setValue(361);
        QCOMPARE(angle()->value(), 360.0);
        // Sizes reach across the largest page, 500 mm.
        width()->setValue(1418);
        QCOMPARE(box->shearHorizontal(), 1418);
        width()->setValue(1500);
        QCOMPARE(box->shearHorizontal(), 1418);
        penWidth()->setValue(25);
        QCOMPARE(box->pen().width(), 20);
    }

private:
    template <typename Editor>
    Editor* dock() const {
        return window->findChild<Editor*>();
    }
    QComboBox* brushStyle() const { return dock<BrushWidget>()->findChild<QComboBox*>(); }
    QComboBox* penStyle() const { return dock<PenWidget>()->findChild<QComboBox*>(); }
    QSpinBox* penWidth() const { return dock<PenWidget>()->findChild<QSpinBox*>("widthSpinBox"); }
    QDoubleSpinBox* angle() const {
        return dock<TransformWidget>()->findChild<QDoubleSpinBox*>("angleSpinBox");
    }
    QSpinBox* width() const {
        return dock<TransformWidget>()->findChild<QSpinBox*>("shearHorizontalSpinBox");
    }
    QSpinBox* height() const {
        return dock<TransformWidget>()->findChild<QSpinBox*>("shearVerticalSpinBox");
    }

    QGraphicsItem* item(const QString& name) const {
        if (name == "box") {
            return box;
        }
        return name == "qr" ? static_cast<QGraphicsItem*>(qr) : text;
    }

    BoxItem* addBox(const QRect& rect) {
        auto* added = new BoxItem(rect, window->scene());
        window->connectItem(added);
        return added;
    }

    std::unique_ptr<MainWindow> window;
    BoxItem* box = nullptr;
    QRCodeItem* qr = nullptr;
    TextItem* text = nullptr;
};

LABELER_TEST_MAIN(DocksTest)
#include "test_docks.moc"
