// Label items, the QR encoding, the text item editor, placeholders and the canvas view.

#include <qrencode.h>

#include <QDate>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QInputDialog>
#include <QKeyEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QWheelEvent>
#include <cmath>
#include <memory>

#include "BoxItem.h"
#include "GraphicsView.h"
#include "ImageFileFilter.h"
#include "LabelerTest.h"
#include "Placeholder.h"
#include "QRCodeItem.h"
#include "QrCode.h"
#include "TextEdit.h"
#include "TextItem.h"
#include "TextItemDialog.h"

namespace {

// Opens the box's event handlers to the tests.
struct TestBox : BoxItem {
    using BoxItem::BoxItem;
    using BoxItem::keyPressEvent;
    using BoxItem::mouseMoveEvent;
    using BoxItem::mousePressEvent;
    using BoxItem::mouseReleaseEvent;
};

void sendMouse(TestBox* box, QEvent::Type type, const QPointF& pos, const QPointF& lastPos,
               Qt::KeyboardModifiers modifiers) {
    QGraphicsSceneMouseEvent event(type);
    event.setPos(pos);
    event.setLastPos(lastPos);
    event.setScenePos(box->mapToScene(pos));
    event.setLastScenePos(box->mapToScene(lastPos));
    event.setButton(Qt::LeftButton);
    event.setButtons(type == QEvent::GraphicsSceneMouseRelease ? Qt::NoButton : Qt::LeftButton);
    event.setModifiers(modifiers);
    if (type == QEvent::GraphicsSceneMousePress) {
        box->mousePressEvent(&event);
    } else if (type == QEvent::GraphicsSceneMouseMove) {
        box->mouseMoveEvent(&event);
    } else {
        box->mouseReleaseEvent(&event);
    }
}

bool isDark(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

// The code's modules drawn on white at one pixel per scene unit.
QImage rasterised(const QPainterPath& modules, const QSize& size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.fillPath(modules, Qt::black);
    return image;
}

}  // namespace

class ItemsTest : public QObject {
    Q_OBJECT

private slots:
    void newItemIsTheOnlySelection() {
        QGraphicsScene scene;
        auto* box = new BoxItem(QRect(0, 0, 90, 30), &scene);
        auto* qr = new QRCodeItem(QPoint(5, 5), &scene);
        auto* text = new TextItem(QPoint(9, 9), &scene);
        QCOMPARE(scene.selectedItems(), QList<QGraphicsItem*>{text});
        QVERIFY(!box->isSelected() && !qr->isSelected());
        QCOMPARE(text->font(), QFont("Helvetica", 3));
        QCOMPARE(int(box->flags()), 0x807);
        QCOMPARE(int(qr->flags()), 0x803);
    }

    void settersActOnlyOnSelectedItems() {
        QGraphicsScene scene;
        auto* box = new BoxItem(QRect(0, 0, 90, 30), &scene);
        auto* qr = new QRCodeItem(QPoint(0, 0), &scene);
        struct Case {
            const char* name;
            QObject* item;
            std::function<void()> set;
            std::function<bool()> changed;
        };
        const QVector<Case> cases = {
            {"box pen", box, [=] { box->setPen(QPen(Qt::red)); },
             [=] { return box->pen().color() == Qt::red; }},
            {"box brush", box, [=] { box->setBrush(QBrush(Qt::blue)); },
             [=] { return box->brush().color() == Qt::blue; }},
            {"box angle", box, [=] { box->setAngle(20); }, [=] { return box->angle() == 20; }},
            {"box size", box, [=] { box->setShear(10, 12); },
             [=] { return box->rect().size() == QSizeF(10, 12); }},
            {"qr angle", qr, [=] { qr->setAngle(20); }, [=] { return qr->angle() == 20; }},
            {"qr size", qr, [=] { qr->setShear(60, 70); },
             [=] { return qr->rect().size() == QSizeF(60, 70); }},
        };
        for (const Case& c : cases) {
            auto* item = dynamic_cast<QGraphicsItem*>(c.item);
            scene.clearSelection();
            QSignalSpy dirty(c.item, SIGNAL(dirty()));
            c.set();
            QVERIFY2(!c.changed() && dirty.isEmpty(), c.name);
            item->setSelected(true);
            c.set();
            QVERIFY2(c.changed() && !dirty.isEmpty(), c.name);
        }
    }

    void angleReplacesTheRotation() {
        QGraphicsScene scene;
        auto* box = new BoxItem(QRect(0, 0, 90, 30), &scene);
        box->setAngle(10);
        box->setAngle(30);
        QCOMPARE(box->transform(), QTransform().rotate(30));
        QSignalSpy dirty(box, SIGNAL(dirty()));
        box->setAngle(30.0 + 1e-13);
        QVERIFY(dirty.isEmpty());
    }

    void keyboardResizesAndMoves_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QRectF>("expected");
        QTest::addColumn<int>("dirty");
        QTest::newRow("ctrl right moves")
            << QSize(90, 30) << int(Qt::Key_Right) << int(Qt::ControlModifier)
            << QRectF(-44, -15, 90, 30) << 1;
        QTest::newRow("shift right widens")
            << QSize(90, 30) << int(Qt::Key_Right) << int(Qt::ShiftModifier)
            << QRectF(-45, -15, 91, 30) << 1;
        QTest::newRow("shift up lowers") << QSize(90, 30) << int(Qt::Key_Up)
                                         << int(Qt::ShiftModifier) << QRectF(-45, -15, 90, 29) << 1;
        QTest::newRow("ctrl shift down moves")
            << QSize(90, 30) << int(Qt::Key_Down) << int(Qt::ControlModifier | Qt::ShiftModifier)
            << QRectF(-45, -14, 90, 30) << 1;
        QTest::newRow("shift left to zero")
            << QSize(1, 30) << int(Qt::Key_Left) << int(Qt::ShiftModifier)
            << QRectF(-0.5, -15, 0, 30) << 1;
        QTest::newRow("shift left stops at zero")
            << QSize(0, 30) << int(Qt::Key_Left) << int(Qt::ShiftModifier) << QRectF(0, -15, 0, 30)
            << 0;
        QTest::newRow("shift up stops at zero")
            << QSize(90, 0) << int(Qt::Key_Up) << int(Qt::ShiftModifier) << QRectF(-45, 0, 90, 0)
            << 0;
        QTest::newRow("shift right stops at the largest size")
            << QSize(1418, 30) << int(Qt::Key_Right) << int(Qt::ShiftModifier)
            << QRectF(-709, -15, 1418, 30) << 0;
        QTest::newRow("plain arrow untouched")
            << QSize(90, 30) << int(Qt::Key_Right) << 0 << QRectF(-45, -15, 90, 30) << 0;
    }
    void keyboardResizesAndMoves() {
        QFETCH(QSize, size);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QRectF, expected);
        QFETCH(int, dirty);
        QGraphicsScene scene;
        auto* box = new TestBox(QRect(QPoint(0, 0), size), &scene);
        QSignalSpy spy(box, SIGNAL(dirty()));
        QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers));
        box->keyPressEvent(&event);
        QCOMPARE(box->rect(), expected);
        QCOMPARE(box->shearHorizontal(), expected.toRect().width());
        QCOMPARE(box->pos(), QPointF(QRect(QPoint(0, 0), size).center()));
        QCOMPARE(spy.count(), dirty);
    }

    void shiftDragResizesAndFlipsPastTheEdge() {
        QGraphicsScene scene;
        auto* box = new TestBox(QRect(0, 0, 90, 30), &scene);
        QSignalSpy dirty(box, SIGNAL(dirty()));
        sendMouse(box, QEvent::GraphicsSceneMousePress, {40, 0}, {40, 0}, Qt::ShiftModifier);
        sendMouse(box, QEvent::GraphicsSceneMouseMove, {-100, 5}, {40, 0}, Qt::ShiftModifier);
        QCOMPARE(box->rect(), QRectF(-95, -15, 50, 35));
        QCOMPARE(box->shearHorizontal(), 50);
        QCOMPARE(box->pos(), QPointF(44, 14));
        QVERIFY(dirty.isEmpty());
        sendMouse(box, QEvent::GraphicsSceneMouseRelease, {-100, 5}, {-100, 5}, {});
        QCOMPARE(dirty.count(), 1);
    }

    void qrPictureIsTheEncodersMatrix_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QSize>("scale");
        QTest::newRow("placeholder") << "{%code%}" << QSize(4, 4);
        QTest::newRow("digits stretched") << "0123456789" << QSize(3, 5);
        QTest::newRow("utf-8 text") << QString::fromUtf8("Größe äöü") << QSize(2, 2);
        QTest::newRow("beyond version 2") << QString(120, 'x') << QSize(2, 3);
    }
    void qrPictureIsTheEncodersMatrix() {
        QFETCH(QString, text);
        QFETCH(QSize, scale);
        const QByteArray utf8 = text.toUtf8();
        std::unique_ptr<QRcode, void (*)(QRcode*)> code(
            QRcode_encodeString(utf8.constData(), 2, QR_ECLEVEL_Q, QR_MODE_8, 1), QRcode_free);
        QVERIFY(code);
        const int n = code->width;
        QVERIFY(n >= 25);
        const QSize size(n * scale.width(), n * scale.height());
        const QImage image = rasterised(QrCode::encode(text, size.width(), size.height()), size);
        QCOMPARE(image.size(), QSize(n * scale.width(), n * scale.height()));
        for (int y = 0; y < n; ++y) {
            for (int x = 0; x < n; ++x) {
                const bool dark = code->data[y * n + x] & 1;
                QCOMPARE(isDark(image, x * scale.width() + scale.width() / 2,
                                y * scale.height() + scale.height() / 2),
                         dark);
            }
        }
    }

    void qrModulesOfVersionTwoAreTwoByTwo() {
        const QImage image = rasterised(QrCode::encode("{%code%}", 50, 50), QSize(50, 50));
        // The finder pattern: seven dark modules, then a light one, in the top row.
        for (int x = 0; x < 14; ++x) {
            QVERIFY(isDark(image, x, 0) && isDark(image, x, 1));
        }
        QVERIFY(!isDark(image, 14, 0) && !isDark(image, 15, 1));
        QVERIFY(QrCode::encode("x", 0, 50).isEmpty());
    }

    void qrInputDialogChangesOnlyToANewText_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("new text") << "SN-{%serial%}"
                                  << "SN-{%serial%}";
        QTest::newRow("empty text") << ""
                                    << "{%code%}";
        QTest::newRow("same text") << "{%code%}"
                                   << "{%code%}";
    }
    void qrInputDialogChangesOnlyToANewText() {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QGraphicsScene scene;
        auto* qr = new QRCodeItem(QPoint(), &scene);
        QSignalSpy dirty(qr, SIGNAL(dirty()));
        QString label;
        ModalDriver<QInputDialog> driver([&](QInputDialog* dialog) {
            label = dialog->labelText();
            dialog->setTextValue(typed);
            dialog->accept();
        });
        qr->edit();
        QVERIFY(driver.handled);
        QCOMPARE(label, QString("QR barcode:"));
        QCOMPARE(qr->plainText(), expected);
        QCOMPARE(dirty.isEmpty(), expected == "{%code%}");
    }

    void textDialogAddsAnItemWithTheHintText() {
        QGraphicsScene scene;
        TextItemDialog dialog(nullptr, QPoint(7, 8), &scene);
        QCOMPARE(dialog.windowTitle(), QString("Sabbeth - Add Text Item"));
        auto* field = dialog.findChild<QPlainTextEdit*>("textField");
        auto* size = dialog.findChild<QDoubleSpinBox*>("sizeSpinBox");
        QCOMPARE(field->toPlainText(),
                 QString("The content in {} will be replaced. {%serial%} {%date%}"));
        QVERIFY(field->tabChangesFocus());
        QCOMPARE(size->value(), 3.0);
        QCOMPARE(size->minimum(), 1.0);
        QCOMPARE(size->maximum(), 280.0);
        QVERIFY(okButton(dialog)->isEnabled());
        dialog.accept();
        TextItem* item = dialog.item();
        QVERIFY(item);
        QCOMPARE(item->scene(), &scene);
        QCOMPARE(item->pos(), QPointF(7, 8));
        QCOMPARE(item->toPlainText(), field->toPlainText());
        QCOMPARE(item->font().family(), QString("Microsoft Yahei"));
        QCOMPARE(item->font().pointSizeF(), 3.0);
    }

    void textDialogNeedsText() {
        QGraphicsScene scene;
        TextItemDialog dialog(nullptr, QPoint(), &scene);
        auto* field = dialog.findChild<QPlainTextEdit*>("textField");
        field->clear();
        QVERIFY(!okButton(dialog)->isEnabled());
        QTest::keyClicks(field, "a");
        QVERIFY(okButton(dialog)->isEnabled());
        dialog.reject();
        QVERIFY(scene.items().isEmpty());
    }

    void textDialogEditsAnItem() {
        QGraphicsScene scene;
        auto* item = new TextItem(QPoint(), &scene);
        item->setHtml("<b>Serial</b> {%serial%}");
        QFont font("DejaVu Sans");
        font.setPointSizeF(12.5);
        item->setFont(font);
        TextItemDialog dialog(item, QPoint(), &scene);
        QCOMPARE(dialog.windowTitle(), QString("Sabbeth - Edit Text Item"));
        auto* field = dialog.findChild<QPlainTextEdit*>("textField");
        QCOMPARE(field->toPlainText(), QString("Serial {%serial%}"));
        QCOMPARE(dialog.findChild<QDoubleSpinBox*>("sizeSpinBox")->value(), 12.5);
        field->setPlainText("changed");
        dialog.accept();
        QCOMPARE(dialog.item(), item);
        QCOMPARE(item->toPlainText(), QString("changed"));
        QCOMPARE(scene.items().size(), 1);
    }

    // Opening the editor on an item and accepting it unchanged must give the item back its own
    // font, even one the font box cannot show as it is (a family this machine substitutes, a
    // size in pixels or between the box's steps).
    void unchangedEditKeepsTheItemsFont_data() {
        QTest::addColumn<QFont>("font");
        QFont pixels("DejaVu Sans");
        pixels.setPixelSize(14);
        QFont fine("DejaVu Sans");
        fine.setPointSizeF(3.25);
        QTest::newRow("default font") << QFont("Helvetica", 3);
        QTest::newRow("pixel size") << pixels;
        QTest::newRow("size between steps") << fine;
    }
    void unchangedEditKeepsTheItemsFont() {
        QFETCH(QFont, font);
        QGraphicsScene scene;
        auto* item = new TextItem(QPoint(), &scene);
        item->setFont(font);
        TextItemDialog dialog(item, QPoint(), &scene);
        dialog.accept();
        QCOMPARE(item->font(), font);
    }

    void fontFamilyAndSizeChangeApart() {
        TextEdit edit;
        auto* family = edit.findChild<QFontComboBox*>("fontComboBox");
        auto* size = edit.findChild<QDoubleSpinBox*>("sizeSpinBox");
        size->setValue(0.5);
        QCOMPARE(size->value(), 1.0);
        size->setValue(9.5);
        family->setCurrentFont(QFont("DejaVu Serif"));
        QCOMPARE(edit.font().pointSizeF(), 9.5);
        QCOMPARE(edit.font().family(), family->currentFont().family());
        size->setValue(4.0);
        QCOMPARE(edit.font().family(), family->currentFont().family());
    }

    void placeholdersAreReplaced_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("changed");
        const QString today = QDate::currentDate().toString("yyyy-MM-dd");
        QTest::newRow("code") << "{%code%}"
                              << "C-1" << true;
        QTest::newRow("capital serial") << "SN {%SERIAL%}!"
                                        << "SN S-2!" << true;
        QTest::newRow("every key") << "{%date%}/{%Code%}" << today + "/C-1" << true;
        QTest::newRow("no key") << "plain text"
                                << "plain text" << false;
        // Too short for any key: the flag keeps the value it had.
        QTest::newRow("short") << "{%}"
                               << "{%}" << true;
    }
    void placeholdersAreReplaced() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QFETCH(bool, changed);
        Placeholder placeholder;
        placeholder.set("code", "C-1");
        placeholder.set("serial", "S-2");
        bool flag = true;
        QCOMPARE(placeholder.replace(text, &flag), expected);
        QCOMPARE(flag, changed);
    }

    void viewZoomsAndNeverScrollsByWheel() {
        QGraphicsScene scene(0, 0, 288, 288);
        GraphicsView view(&scene);
        QCOMPARE(view.minimumSizeHint(), QSize(576, 576));
        scene.setSceneRect(0, 0, 1417, 1417);
        QCOMPARE(view.minimumSizeHint(), QSize(576, 576));
        QCOMPARE(view.dragMode(), QGraphicsView::RubberBandDrag);
        view.zoomIn();
        view.zoomOut();
        QVERIFY(qFuzzyCompare(view.transform().m11(), 1.0));
        view.resize(200, 200);
        view.show();
        view.scale(3, 3);
        const QPointF centre = view.mapToScene(view.viewport()->rect().center());
        QWheelEvent wheel(QPointF(50, 50), view.mapToGlobal(QPoint(50, 50)), QPoint(),
                          QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view.viewport(), &wheel);
        QVERIFY(qAbs(view.transform().m11() - 3 * std::pow(4.0 / 3.0, -0.5)) < 1e-9);
        const QPointF after = view.mapToScene(view.viewport()->rect().center());
        QVERIFY2((after - centre).manhattanLength() < 2, "the wheel scrolled the view");
    }

    void imageFilterListsKnownExtensions() {
        const QString filter = ImageFileFilter::build(";;Bitmap image", {"image/png"});
        QVERIFY2(filter.startsWith(";;Bitmap image (*.") && filter.contains("*.png"),
                 qPrintable(filter));
        QCOMPARE(ImageFileFilter::build("Images", {"png"}), QString("Images (*.*)"));
    }

private:
    static QPushButton* okButton(QDialog& dialog) {
        return dialog.findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok);
    }
};

LABELER_TEST_MAIN(ItemsTest)
#include "test_items.moc"
