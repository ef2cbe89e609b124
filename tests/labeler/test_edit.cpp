// The window's commands on the real widgets: the action table, the enabling rules, adding items
// at the cursor, copy, cut and paste, alignment and clearing rotations.

#include <QAbstractAnimation>
#include <QAction>
#include <QClipboard>
#include <QCursor>
#include <QGraphicsLineItem>
#include <QGraphicsSceneMouseEvent>
#include <QInputDialog>
#include <QMenu>
#include <QMimeData>
#include <QRegularExpression>
#include <QToolBar>
#include <QToolButton>
#include <memory>

#include "BoxItem.h"
#include "DocumentCodec.h"
#include "LabelerTest.h"
#include "MainWindow.h"
#include "QRCodeItem.h"
#include "TextItem.h"
#include "TextItemDialog.h"

namespace {

// The actions whose enabled state depends on the document, the selection or the clipboard.
const QStringList kRuledActions = {"fileSaveAction",           "fileSaveAsAction",
                                   "fileExportAction",         "filePrintAction",
                                   "filePrintPreviewAction",   "editSelectedItemAction",
                                   "editCopyAction",           "editCutAction",
                                   "editPasteAction",          "editAlignmentAction",
                                   "editClearTransformsAction"};
const QStringList kWithItems = {"fileSaveAsAction", "fileExportAction", "filePrintAction",
                                "filePrintPreviewAction"};

// Enough time for the one-second glide of an alignment, never waited out in full.
const int kAlignmentTimeoutMs = 4000;

QStringList operator+(QStringList list, const char* name) {
    list << name;
    return list;
}

void setClipboard(const QString& kind) {
    auto* mime = new QMimeData;
    if (kind == "label") {
        mime->setData(DocumentCodec::kClipboardMimeType, QByteArray());
    } else if (kind == "html") {
        mime->setHtml("<b>bold</b> text");
    } else if (kind == "text") {
        mime->setText("plain text");
    } else if (kind == "image") {
        mime->setImageData(QImage(4, 4, QImage::Format_ARGB32));
    }
    QApplication::clipboard()->setMimeData(mime);
}

}  // namespace

class EditTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QApplication::clipboard()->clear();
        window = std::make_unique<MainWindow>();
        window->resize(900, 700);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void cleanup() {
        if (window->alignmentAnimation()) {
            window->alignmentAnimation()->stop();
        }
        window->setWindowModified(false);
        window.reset();
    }

    void actionsCarryTheirShortcutsDataAndIcons_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<QKeySequence>>("shortcuts");
        QTest::addColumn<int>("data");
        const QList<QKeySequence> none;
        QTest::newRow("new") << "fileNewAction"
                             << "New" << QKeySequence::keyBindings(QKeySequence::New) << 0;
        QTest::newRow("page size") << "filePageSizeAction"
                                   << "Page Size..." << none << 0;
        QTest::newRow("add text") << "editAddTextAction"
                                  << "Add Text..." << none << 0x10003;
        QTest::newRow("add box") << "editAddBoxAction"
                                 << "Add Box" << none << 0x10001;
        QTest::newRow("add qr code") << "editAddQRCodeAction"
                                     << "Add QR Code" << none << 0x10002;
        QTest::newRow("cut") << "editCutAction"
                             << "Cu&t"
                             << QList<QKeySequence>{QKeySequence(Qt::Key_Delete)} +
                                    QKeySequence::keyBindings(QKeySequence::Cut)
                             << 0;
        QTest::newRow("paste") << "editPasteAction"
                               << "&Paste" << QKeySequence::keyBindings(QKeySequence::Paste) << 0;
        QTest::newRow("alignment") << "editAlignmentAction"
                                   << "Alignment" << none << 1;
        QTest::newRow("bottom") << "editAlignBottomAction"
                                << "Bottom" << none << 0x40;
        QTest::newRow("zoom in") << "viewZoomInAction"
                                 << "Zoom In" << QList<QKeySequence>{QKeySequence("+")} << 0;
        QTest::newRow("zoom fit") << "viewZoomFitAction"
                                  << "Zoom Fit" << QList<QKeySequence>{QKeySequence("*")} << 0;
    }
    void actionsCarryTheirShortcutsDataAndIcons() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QList<QKeySequence>, shortcuts);
        QFETCH(int, data);
        QAction* subject = action(name);
        QVERIFY(subject);
        QCOMPARE(subject->text(), text);
        QCOMPARE(subject->shortcuts(), shortcuts);
        QCOMPARE(subject->data().toInt(), data);
        QVERIFY(!subject->icon().pixmap(32).isNull());
    }

    void everyActionHasAnIconAndAMenu() {
        const QList<QAction*> actions =
            window->findChildren<QAction*>(QRegularExpression("Action$"));
        QCOMPARE(actions.size(), 26);
        for (QAction* subject : actions) {
            QVERIFY2(!subject->icon().pixmap(32).isNull(), qPrintable(subject->objectName()));
            QVERIFY2(!subject->associatedWidgets().isEmpty(), qPrintable(subject->objectName()));
        }
        QStringList fileMenu;
        for (QAction* entry : window->findChild<QMenu*>("fileMenu")->actions()) {
            fileMenu << (entry->isSeparator() ? "-" : entry->text());
        }
        QCOMPARE(fileMenu, (QStringList{"New", "Open...", "Save", "Save As...", "Export...", "-",
                                        "Print", "Print Preview...", "Page Size...", "-", "Quit"}));
        QVERIFY(action("viewShowGridAction")->isChecked());
    }

    void actionsFollowSelectionClipboardAndModifiedMark_data() {
        QTest::addColumn<int>("items");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<QStringList>("enabled");
        const QStringList oneSelected = kWithItems + "editSelectedItemAction" + "editCopyAction" +
                                        "editCutAction" + "editClearTransformsAction";
        QTest::newRow("empty page") << 0 << 0 << "" << false << QStringList();
        QTest::newRow("modified empty page")
            << 0 << 0 << "" << true << QStringList{"fileSaveAction"};
        QTest::newRow("items, none selected") << 2 << 0 << "" << false << kWithItems;
        QTest::newRow("one selected") << 2 << 1 << "" << false << oneSelected;
        QTest::newRow("two selected") << 2 << 2 << "" << false
                                      << kWithItems + "editCopyAction" + "editCutAction" +
                                             "editClearTransformsAction" + "editAlignmentAction";
        QTest::newRow("label clipboard")
            << 0 << 0 << "label" << false << QStringList{"editPasteAction"};
        QTest::newRow("html clipboard")
            << 0 << 0 << "html" << false << QStringList{"editPasteAction"};
        QTest::newRow("text clipboard")
            << 0 << 0 << "text" << false << QStringList{"editPasteAction"};
        QTest::newRow("image clipboard") << 0 << 0 << "image" << false << QStringList();
    }
    void actionsFollowSelectionClipboardAndModifiedMark() {
        QFETCH(int, items);
        QFETCH(int, selected);
        QFETCH(QString, clipboard);
        QFETCH(bool, modified);
        QFETCH(QStringList, enabled);
        QList<BoxItem*> boxes;
        for (int i = 0; i < items; ++i) {
            boxes << addBox(QPoint(10 + 100 * i, 10));
        }
        window->scene()->clearSelection();
        for (int i = 0; i < selected; ++i) {
            boxes[i]->setSelected(true);
        }
        setClipboard(clipboard);
        window->setDirty(modified);
        for (const QString& name : kRuledActions) {
            QVERIFY2(action(name)->isEnabled() == enabled.contains(name), qPrintable(name));
        }
        for (const char* always :
             {"fileNewAction", "fileOpenAction", "fileQuitAction", "filePageSizeAction",
              "editAddBoxAction", "viewZoomInAction", "viewShowGridAction"}) {
            QVERIFY2(action(always)->isEnabled(), always);
        }
    }

    void addedItemsFanOutFromTheCursor() {
        QWidget* viewport = window->view()->viewport();
        const QPoint resting(60, 40);
        QCursor::setPos(viewport->mapToGlobal(resting));
        const QPoint scenePoint = window->view()->mapToScene(resting).toPoint();
        QList<QPointF> positions;
        for (int i = 0; i < 3; ++i) {
            positions << addFromAction<BoxItem>("editAddBoxAction")->pos();
        }
        for (int i = 0; i < 3; ++i) {
            const QPoint corner = scenePoint + QPoint(5 * i, 5 * i);
            QCOMPARE(positions[i], QPointF(QRect(corner, QSize(90, 30)).center()));
        }
        QGraphicsItem* box = window->scene()->selectedItems().first();
        QCOMPARE(box->boundingRect().size() - QSizeF(1, 1), QSizeF(90, 30));  // with the pen
        QVERIFY(window->isWindowModified());
        // A new resting point starts a new sequence; a QR code follows the same rule.
        const QPoint elsewhere(200, 150);
        QCursor::setPos(viewport->mapToGlobal(elsewhere));
        QCOMPARE(addFromAction("editAddQRCodeAction")->pos(),
                 window->view()->mapToScene(elsewhere));
        QCOMPARE(addFromAction("editAddQRCodeAction")->pos(),
                 window->view()->mapToScene(elsewhere) + QPointF(5, 5));
    }

    void firstItemAwayFromTheCanvasGoesNearItsCorner() {
        QCursor::setPos(window->mapToGlobal(QPoint(-50, -50)));
        const QPointF expected = window->view()->mapToScene(QPoint(10, 10));
        QCOMPARE(addFromAction("editAddQRCodeAction")->pos(), expected);
        QCOMPARE(addFromAction("editAddQRCodeAction")->pos(), expected + QPointF(5, 5));
    }

    void cancelledAddTextAddsNothing() {
        ModalDriver<TextItemDialog> driver([](TextItemDialog* dialog) { dialog->reject(); });
        action("editAddTextAction")->trigger();
        QVERIFY(driver.handled);
        QVERIFY(window->labelItems().isEmpty());
        QVERIFY(!window->isWindowModified());
    }

    void pastedCopiesFanOutUntilTheNextCopy() {
        BoxItem* box = addBox(QPoint(20, 20));
        const QPointF origin = box->pos();
        action("editCopyAction")->trigger();
        QVERIFY(!window->isWindowModified());
        const auto pasteOffset = [&] {
            action("editPasteAction")->trigger();
            const QList<QGraphicsItem*> pasted = window->scene()->selectedItems();
            return pasted.size() == 1 ? pasted.first()->pos() - origin : QPointF(-1, -1);
        };
        QCOMPARE(pasteOffset(), QPointF(5, 5));
        QCOMPARE(pasteOffset(), QPointF(10, 10));
        QCOMPARE(pasteOffset(), QPointF(15, 15));
        QVERIFY(window->isWindowModified());
        window->scene()->clearSelection();
        box->setSelected(true);
        action("editCopyAction")->trigger();
        QCOMPARE(pasteOffset(), QPointF(5, 5));
        // Cut keeps the sequence going.
        window->scene()->clearSelection();
        box->setSelected(true);
        action("editCutAction")->trigger();
        QCOMPARE(pasteOffset(), QPointF(10, 10));
    }

    void cutRemovesTheItemsOntoTheClipboard() {
        BoxItem* box = addBox(QPoint(20, 20));
        addFromAction("editAddQRCodeAction");
        box->setSelected(true);
        window->setDirty(false);
        action("editCutAction")->trigger();
        QVERIFY(window->labelItems().isEmpty());
        QVERIFY(window->isWindowModified());
        const QByteArray records =
            QApplication::clipboard()->mimeData()->data(DocumentCodec::kClipboardMimeType);
        QCOMPARE(records.left(4), QByteArray::fromHex("00010001"));
        QVERIFY(records.contains(QByteArray::fromHex("00010002")));
        action("editPasteAction")->trigger();
        QCOMPARE(window->labelItems().size(), 2);
    }

    void deleteKeyCuts() {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        addBox(QPoint(20, 20));
        QTest::keyClick(window->view(), Qt::Key_Delete);
        QVERIFY(window->labelItems().isEmpty());
        QVERIFY(
            QApplication::clipboard()->mimeData()->hasFormat(DocumentCodec::kClipboardMimeType));
    }

    void pastedTextBecomesATextItem_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("plainText");
        QTest::addColumn<bool>("bold");
        QTest::newRow("plain text") << "text"
                                    << "plain text" << false;
        QTest::newRow("html") << "html"
                              << "bold text" << true;
    }
    void pastedTextBecomesATextItem() {
        QFETCH(QString, kind);
        QFETCH(QString, plainText);
        QFETCH(bool, bold);
        QCursor::setPos(window->view()->viewport()->mapToGlobal(QPoint(30, 30)));
        setClipboard(kind);
        action("editPasteAction")->trigger();
        const QList<QGraphicsItem*> items = window->labelItems();
        QCOMPARE(items.size(), 1);
        auto* text = qgraphicsitem_cast<TextItem*>(items.first());
        QVERIFY(text);
        QCOMPARE(text->toPlainText(), plainText);
        QCOMPARE(text->toHtml().contains("font-weight:600"), bold);
        QCOMPARE(text->pos(), window->view()->mapToScene(QPoint(30, 30)));
        QVERIFY(window->isWindowModified());
    }

    void unreadableLabelDataIsReportedNotPasted() {
        auto* mime = new QMimeData;
        mime->setData(DocumentCodec::kClipboardMimeType,
                      QByteArray::fromHex("00010001") + QByteArray(12, '\x7f'));
        QApplication::clipboard()->setMimeData(mime);
        MessageBoxAnswer answer(QMessageBox::Ok);
        action("editPasteAction")->trigger();
        QVERIFY(answer.shown());
        QCOMPARE(answer.text, QString("The clipboard holds label items that Sabbeth cannot read."));
        QVERIFY(window->labelItems().isEmpty());
        QVERIFY(!window->isWindowModified());
    }

    void alignmentLinesUpTheSelection_data() {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<int>("edge");
        QTest::newRow("left") << "editAlignLeftAction" << int(Qt::AlignLeft);
        QTest::newRow("right") << "editAlignRightAction" << int(Qt::AlignRight);
        QTest::newRow("top") << "editAlignTopAction" << int(Qt::AlignTop);
        QTest::newRow("bottom") << "editAlignBottomAction" << int(Qt::AlignBottom);
    }
    void alignmentLinesUpTheSelection() {
        QFETCH(QString, choice);
        QFETCH(int, edge);
        QList<QGraphicsItem*> items = alignmentFixture();
        QList<QPointF> before;
        for (QGraphicsItem* item : items) {
            before << item->pos();
        }
        const double expected = edgeOf(items, edge, edge == Qt::AlignLeft || edge == Qt::AlignTop);
        window->setDirty(false);
        action(choice)->trigger();
        QVERIFY(window->isWindowModified());
        QVERIFY(window->alignmentAnimation());
        QCOMPARE(window->alignmentAnimation()->duration(), 1000);
        QTRY_VERIFY_WITH_TIMEOUT(!window->alignmentAnimation(), kAlignmentTimeoutMs);
        const bool horizontal = edge == Qt::AlignLeft || edge == Qt::AlignRight;
        for (int i = 0; i < items.size(); ++i) {
            QCOMPARE(coordinate(items[i]->sceneBoundingRect(), edge), expected);
            // The other axis stays.
            QCOMPARE(horizontal ? items[i]->pos().y() : items[i]->pos().x(),
                     horizontal ? before[i].y() : before[i].x());
        }
        // The tool-bar button now repeats this alignment.
        QCOMPARE(action("editAlignmentAction")->data().toInt(), edge);
        QCOMPARE(action("editAlignmentAction")->icon().pixmap(32).toImage(),
                 action(choice)->icon().pixmap(32).toImage());
    }

    void toolButtonRepeatsTheLastAlignment() {
        QList<QGraphicsItem*> items = alignmentFixture();
        action("editAlignBottomAction")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!window->alignmentAnimation(), kAlignmentTimeoutMs);
        // The user moves one item away again and presses the button itself.
        items.first()->moveBy(0, -40);
        QToolButton* button = nullptr;
        for (QToolButton* candidate :
             window->findChild<QToolBar*>("editToolBar")->findChildren<QToolButton*>()) {
            if (candidate->defaultAction() == action("editAlignmentAction")) {
                button = candidate;
            }
        }
        QVERIFY(button);
        QCOMPARE(button->popupMode(), QToolButton::MenuButtonPopup);
        button->click();
        QTRY_VERIFY_WITH_TIMEOUT(!window->alignmentAnimation(), kAlignmentTimeoutMs);
        const double bottom = items.first()->sceneBoundingRect().bottom();
        for (QGraphicsItem* item : items) {
            QCOMPARE(item->sceneBoundingRect().bottom(), bottom);
        }
    }

    void shiftSlowsTheAlignmentDown() {
        alignmentFixture();
        QTest::keyPress(window->windowHandle(), Qt::Key_Shift, Qt::ShiftModifier);
        action("editAlignLeftAction")->trigger();
        QTest::keyRelease(window->windowHandle(), Qt::Key_Shift, Qt::NoModifier);
        QVERIFY(window->alignmentAnimation());
        QCOMPARE(window->alignmentAnimation()->duration(), 5000);
    }

    void secondAlignmentStartsFromWhereTheFirstEnds() {
        const QList<QGraphicsItem*> items = alignmentFixture();
        action("editAlignLeftAction")->trigger();
        action("editAlignTopAction")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!window->alignmentAnimation(), kAlignmentTimeoutMs);
        const QPointF corner = items.first()->sceneBoundingRect().topLeft();
        for (QGraphicsItem* item : items) {
            QCOMPARE(item->sceneBoundingRect().topLeft(), corner);
        }
    }

    void itemsRemovedWhileGlidingAreLetGo() {
        alignmentFixture();
        action("editAlignRightAction")->trigger();
        QVERIFY(window->alignmentAnimation());
        action("editCutAction")->trigger();
        QVERIFY(window->labelItems().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(!window->alignmentAnimation(), kAlignmentTimeoutMs);
    }

    void alignmentNeedsTwoItems() {
        addBox(QPoint(10, 10));
        QVERIFY(!action("editAlignmentAction")->isEnabled());
    }

    void clearTransformationsKeepsSizes() {
        BoxItem* box = addBox(QPoint(20, 20));
        box->setAngle(30);
        box->setShear(120, 45);
        QRCodeItem* qr = addFromAction("editAddQRCodeAction");
        qr->setAngle(75);
        qr->setShear(60, 70);
        box->setSelected(true);
        window->setDirty(false);
        action("editClearTransformsAction")->trigger();
        QCOMPARE(box->angle(), 0.0);
        QCOMPARE(qr->angle(), 0.0);
        QCOMPARE(box->transform(), QTransform());
        QCOMPARE(box->rect().size(), QSizeF(120, 45));
        QCOMPARE(qr->rect().size(), QSizeF(60, 70));
        QVERIFY(window->isWindowModified());
    }

    void editSelectedItemOpensTheItemsEditor() {
        QRCodeItem* qr = addFromAction("editAddQRCodeAction");
        ModalDriver<QInputDialog> driver([](QInputDialog* dialog) {
            dialog->setTextValue("LBL-7");
            dialog->accept();
        });
        action("editSelectedItemAction")->trigger();
        QVERIFY(driver.handled);
        QCOMPARE(qr->plainText(), QString("LBL-7"));
        // A box has no editor: nothing opens, nothing changes.
        addBox(QPoint(10, 10));
        window->setDirty(false);
        action("editSelectedItemAction")->trigger();
        QVERIFY(!window->isWindowModified());
    }

    void showGridHidesAndShowsTheLines() {
        action("viewShowGridAction")->setChecked(false);
        for (QGraphicsItem* item : window->scene()->items()) {
            QVERIFY(!item->isVisible());
        }
        window->fileNew();
        QVERIFY(!window->scene()->items().isEmpty());
        QVERIFY(window->close());
        QCOMPARE(Settings::instance().showGrid(), false);
        action("viewShowGridAction")->setChecked(true);
        QVERIFY(window->scene()->items().first()->isVisible());
        QVERIFY(window->close());
        QCOMPARE(Settings::instance().showGrid(), true);
    }

private:
    QAction* action(const QString& name) const { return window->findChild<QAction*>(name); }

    BoxItem* addBox(const QPoint& topLeft) {
        auto* box = new BoxItem(QRect(topLeft, QSize(90, 30)), window->scene());
        window->connectItem(box);
        return box;
    }

    template <typename Item = QRCodeItem>
    Item* addFromAction(const QString& name) {
        action(name)->trigger();
        const QList<QGraphicsItem*> selected = window->scene()->selectedItems();
        return selected.size() == 1 ? dynamic_cast<Item*>(selected.first()) : nullptr;
    }

    // A box, a rotated box and a QR code, all selected, at different places.
    QList<QGraphicsItem*> alignmentFixture() {
        BoxItem* box = addBox(QPoint(10, 20));
        BoxItem* turned = addBox(QPoint(60, 120));
        turned->setAngle(30);
        auto* qr = new QRCodeItem(QPoint(40, 200), window->scene());
        window->connectItem(qr);
        const QList<QGraphicsItem*> items{box, turned, qr};
        for (QGraphicsItem* item : items) {
            item->setSelected(true);
        }
        return window->scene()->selectedItems();
    }

    static double coordinate(const QRectF& rect, int edge) {
        switch (edge) {
            case Qt::AlignLeft:
                return rect.left();
            case Qt::AlignRight:
                return rect.right();
            case Qt::AlignTop:
                return rect.top();
            default:
                return rect.bottom();
        }
    }

    static double edgeOf(const QList<QGraphicsItem*>& items, int edge, bool smallest) {
        double result = coordinate(items.first()->sceneBoundingRect(), edge);
        for (QGraphicsItem* item : items) {
            const double value = coordinate(item->sceneBoundingRect(), edge);
            result = smallest ? qMin(result, value) : qMax(result, value);
        }
        return result;
    }

    std::unique_ptr<MainWindow> window;
};

LABELER_TEST_MAIN(EditTest)
#include "test_edit.moc"
