// The main window's edit commands: adding items at the cursor, copy, cut and paste, alignment,
// clearing rotations, the page grid and the page size.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDataStream>
#include <QGraphicsItemGroup>
#include <QMimeData>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>
#include <algorithm>

#include "BoxItem.h"
#include "DocumentCodec.h"
#include "LabelGrid.h"
#include "MainWindow.h"
#include "PrinterSetting.h"
#include "QRCodeItem.h"
#include "Settings.h"
#include "TextItem.h"
#include "TextItemDialog.h"
#include "TransformWidget.h"

namespace {
const QSize kNewBoxSize(90, 30);
// Items added or pasted again and again are fanned out by this step, so none hides another.
const int kOffsetStep = 5;
// Where the first item goes when the cursor is not over the canvas, in canvas pixels.
const QPoint kFallbackViewPoint(10, 10);
const int kAlignmentMs = 1000;
// Shift slows the glide down, for the user who wants to watch it.
const int kSlowAlignmentMs = 5000;

// The coordinate of an item's extent that an alignment lines up.
double alignedCoordinate(const QRectF& rect, int alignment) {
    switch (alignment) {
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
// Where each item goes so that the chosen edges of all of them meet the outermost one.
QList<QPointF> alignedPositions(const QList<QGraphicsItem*>& items, int alignment) {
    QList<double> coordinates;
    for (QGraphicsItem* item : items) {
        coordinates.append(alignedCoordinate(item->sceneBoundingRect(), alignment));
    }
    const bool towardsMinimum = alignment == Qt::AlignLeft || alignment == Qt::AlignTop;
    const double reference = towardsMinimum
                                 ? *std::min_element(coordinates.cbegin(), coordinates.cend())
                                 : *std::max_element(coordinates.cbegin(), coordinates.cend());
    const bool horizontal = alignment == Qt::AlignLeft || alignment == Qt::AlignRight;
    QList<QPointF> positions;
    for (int i = 0; i < items.size(); ++i) {
        const double shift = reference - coordinates[i];
        positions.append(items[i]->pos() + (horizontal ? QPointF(shift, 0) : QPointF(0, shift)));
    }
    return positions;
}
}  // namespace

void MainWindow::editSelectedItem() {
    const QList<QGraphicsItem*> items = labelScene->selectedItems();
    auto* item = items.size() == 1 ? dynamic_cast<QObject*>(items.first()) : nullptr;
    // Boxes have no editor; their docks are the way to change them.
    if (item && item->metaObject()->indexOfMethod("edit()") >= 0) {
        QMetaObject::invokeMethod(item, "edit", Qt::DirectConnection);
    }
}

void MainWindow::editAddItem() {
    auto* action = qobject_cast<QAction*>(sender());
    if (!action) {
        return;
    }
    QObject* item = nullptr;
    switch (action->data().toInt()) {
        case LabelItemType::Box:
            item = new BoxItem(QRect(newItemPosition(), kNewBoxSize), labelScene);
            break;
        case LabelItemType::QrCode:
            item = new QRCodeItem(newItemPosition(), labelScene);
            break;
        case LabelItemType::Text: {
            TextItemDialog dialog(nullptr, newItemPosition(), labelScene, this);
            if (dialog.exec() == QDialog::Accepted) {
                item = dialog.item();
            }
            break;
        }
        default:
            break;
    }
    if (item) {
        connectItem(item);
        setWindowModified(true);
        updateUi();
    }
}

void MainWindow::editCopy() {
    const QList<QGraphicsItem*> items = labelScene->selectedItems();
    if (items.isEmpty()) {
        return;
    }
    pasteOffset = kOffsetStep;
    copySelectedItems(items);
    updateUi();
}

void MainWindow::editCut() {
    const QList<QGraphicsItem*> items = labelScene->selectedItems();
    if (items.isEmpty()) {
        return;
    }
    copySelectedItems(items);
    for (QGraphicsItem* item : items) {
        delete item;
    }
    setWindowModified(true);
    updateUi();
}

void MainWindow::editPaste() {
    const QMimeData* mime = QApplication::clipboard()->mimeData(QClipboard::Clipboard);
    if (!mime) {
        return;
    }
    if (mime->hasFormat(DocumentCodec::kClipboardMimeType)) {
        pasteLabelItems(mime->data(DocumentCodec::kClipboardMimeType));
    } else if (mime->hasHtml() || mime->hasText()) {
        pasteText(mime);
    }
}

void MainWindow::pasteLabelItems(const QByteArray& records) {
    QDataStream in(records);
    in.setVersion(DocumentCodec::kStreamVersion);
    if (!readItemRecords(in, pasteOffset, true)) {
        reportError(tr("The clipboard holds label items that %1 cannot read.")
                        .arg(QApplication::applicationName()));
        return;
    }
    pasteOffset += kOffsetStep;
    setWindowModified(true);
    updateUi();
}

void MainWindow::pasteText(const QMimeData* mime) {
    auto* item = new TextItem(newItemPosition(), labelScene);
    connectItem(item);
    if (mime->hasHtml()) {
        item->setHtml(mime->html());
    } else {
        item->setPlainText(mime->text());
    }
    setWindowModified(true);
    updateUi();
}

void MainWindow::editAlign() {
    auto* action = qobject_cast<QAction*>(sender());
    if (!action) {
        return;
    }
    const int alignment = action->data().toInt();
    if (action != editAlignmentAction) {
        editAlignmentAction->setData(alignment);
        editAlignmentAction->setIcon(action->icon());
    }
    const QList<QGraphicsItem*> items = labelScene->selectedItems();
    if (items.isEmpty()) {
        return;
    }
    // Items still gliding from the last alignment are lined up from where they will rest.
    if (runningAlignment) {
        runningAlignment->setCurrentTime(runningAlignment->duration());
        runningAlignment->stop();
    }
    const QList<QPointF> positions = alignedPositions(items, alignment);
    animateAlignment(items, positions);
    setWindowModified(true);
    updateUi();
}

void MainWindow::animateAlignment(const QList<QGraphicsItem*>& items,
                                  const QList<QPointF>& positions) {
    const int duration =
        QGuiApplication::keyboardModifiers() & Qt::ShiftModifier ? kSlowAlignmentMs : kAlignmentMs;
    auto* group = new QParallelAnimationGroup;
    for (int i = 0; i < items.size() && i < positions.size(); ++i) {
        auto* item = dynamic_cast<QObject*>(items[i]);
        if (!item) {
            continue;
        }
        auto* animation = new QPropertyAnimation(item, "pos", this);
        animation->setDuration(duration);
        animation->setEasingCurve(QEasingCurve::InOutBack);
        animation->setStartValue(items[i]->pos());
        animation->setEndValue(positions[i]);
        group->addAnimation(animation);
    }
    runningAlignment = group;
    group->start(QAbstractAnimation::DeleteWhenStopped);
}

QAbstractAnimation* MainWindow::alignmentAnimation() const {
    return runningAlignment;
}

void MainWindow::editClearTransforms() {
    for (QGraphicsItem* selected : labelScene->selectedItems()) {
        auto* item = dynamic_cast<QObject*>(selected);
        if (item && item->property("angle").isValid()) {
            item->setProperty("angle", 0.0);
        }
    }
    transformWidget->setAngle(0.0);
    setWindowModified(true);
    updateUi();
}

QPoint MainWindow::newItemPosition() {
    const QWidget* viewport = graphicsView->viewport();
    QPoint p = mapFromGlobal(QCursor::pos());
    if (!graphicsView->geometry().contains(p)) {
        p = previousPoint.isNull() ? viewport->mapTo(this, kFallbackViewPoint) : previousPoint;
    }
    if (!previousPoint.isNull() && p == previousPoint) {
        p += QPoint(addOffset, addOffset);
        addOffset += kOffsetStep;
    } else {
        addOffset = kOffsetStep;
        previousPoint = p;
    }
    return graphicsView->mapToScene(viewport->mapFrom(this, p)).toPoint();
}

void MainWindow::viewShowGrid(bool on) {
    gridShown = on;
    if (!gridGroup) {
        gridGroup = LabelGrid::build(labelScene->sceneRect());
        labelScene->addItem(gridGroup);
    }
    gridGroup->setVisible(on);
}

void MainWindow::printSetPageSize() {
    PrinterSetting dialog(this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    setPrinterPage(Settings::instance().pageSizeMM(), Settings::instance().printDPI());
    // The grid covers the page it was built for.
    delete gridGroup;
    gridGroup = nullptr;
    viewShowGrid(gridShown);
}
