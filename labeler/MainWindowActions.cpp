// The main window's commands and docks: the action table, menus, tool bars, dock editors, their
// wiring, and the rules that enable them.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDockWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QToolBar>

#include "BrushWidget.h"
#include "DocumentCodec.h"
#include "MainWindow.h"
#include "PenWidget.h"
#include "Settings.h"
#include "TransformWidget.h"

void MainWindow::createActions() {
    struct ActionEntry {
        QPointer<QAction> MainWindow::*action;
        const char* objectName;
        const char* text;
        const char* icon;
        QKeySequence::StandardKey shortcut;
        int data;
    };
    const QKeySequence::StandardKey none = QKeySequence::UnknownKey;
    // The Add actions carry the item type they make; the alignments their Qt::Alignment flag.
    static const ActionEntry table[] = {
        {&MainWindow::fileNewAction, "fileNewAction", QT_TR_NOOP("New"), ":/filenew.png",
         QKeySequence::New, 0},
        {&MainWindow::fileOpenAction, "fileOpenAction", QT_TR_NOOP("Open..."), ":/fileopen.png",
         QKeySequence::Open, 0},
        {&MainWindow::fileSaveAction, "fileSaveAction", QT_TR_NOOP("Save"), ":/filesave.png",
         QKeySequence::Save, 0},
        {&MainWindow::fileSaveAsAction, "fileSaveAsAction", QT_TR_NOOP("Save As..."),
         ":/filesave.png", QKeySequence::SaveAs, 0},
        {&MainWindow::fileExportAction, "fileExportAction", QT_TR_NOOP("Export..."),
         ":/fileexport.png", none, 0},
        {&MainWindow::filePrintAction, "filePrintAction", QT_TR_NOOP("Print"), ":/fileprint.png",
         none, 0},
        {&MainWindow::fileQuitAction, "fileQuitAction", QT_TR_NOOP("Quit"), ":/filequit.png",
         QKeySequence::Quit, 0},
        {&MainWindow::filePageSizeAction, "filePageSizeAction", QT_TR_NOOP("Page Size..."),
         ":/print-pagesize.png", none, 0},
        {&MainWindow::filePrintPreviewAction, "filePrintPreviewAction",
         QT_TR_NOOP("Print Preview..."), ":/print-preview.png", none, 0},
        {&MainWindow::editSelectedItemAction, "editSelectedItemAction",
         QT_TR_NOOP("Edit Selected Item..."), ":/editselecteditem.png", none, 0},
        {&MainWindow::editAddTextAction, "editAddTextAction", QT_TR_NOOP("Add Text..."),
         ":/editaddtext.png", none, LabelItemType::Text},
        {&MainWindow::editAddBoxAction, "editAddBoxAction", QT_TR_NOOP("Add Box"),
         ":/editaddbox.png", none, LabelItemType::Box},
        {&MainWindow::editAddQRCodeAction, "editAddQRCodeAction", QT_TR_NOOP("Add QR Code"),
         ":/editaddsmiley.png", none, LabelItemType::QrCode},
        {&MainWindow::editCopyAction, "editCopyAction", QT_TR_NOOP("&Copy"), ":/editcopy.png",
         QKeySequence::Copy, 0},
        {&MainWindow::editCutAction, "editCutAction", QT_TR_NOOP("Cu&t"), ":/editcut.png", none, 0},
        {&MainWindow::editPasteAction, "editPasteAction", QT_TR_NOOP("&Paste"), ":/editpaste.png",
         QKeySequence::Paste, 0},
        {&MainWindow::editAlignmentAction, "editAlignmentAction", QT_TR_NOOP("Alignment"),
         ":/align-left.png", none, Qt::AlignLeft},
        {&MainWindow::editAlignLeftAction, "editAlignLeftAction", QT_TR_NOOP("Left"),
         ":/align-left.png", none, Qt::AlignLeft},
        {&MainWindow::editAlignRightAction, "editAlignRightAction", QT_TR_NOOP("Right"),
         ":/align-right.png", none, Qt::AlignRight},
        {&MainWindow::editAlignTopAction, "editAlignTopAction", QT_TR_NOOP("Top"),
         ":/align-top.png", none, Qt::AlignTop},
        {&MainWindow::editAlignBottomAction, "editAlignBottomAction", QT_TR_NOOP("Bottom"),
         ":/align-bottom.png", none, Qt::AlignBottom},
        {&MainWindow::editClearTransformsAction, "editClearTransformsAction",
         QT_TR_NOOP("Clear Transformations"), ":/editcleartransforms.png", none, 0},
        {&MainWindow::viewZoomInAction, "viewZoomInAction", QT_TR_NOOP("Zoom In"), ":/zoom-in.png",
         none, 0},
        {&MainWindow::viewZoomOutAction, "viewZoomOutAction", QT_TR_NOOP("Zoom Out"),
         ":/zoom-out.png", none, 0},
        {&MainWindow::viewZoomFitAction, "viewZoomFitAction", QT_TR_NOOP("Zoom Fit"),
         ":/zoom-fit.png", none, 0},
        {&MainWindow::viewShowGridAction, "viewShowGridAction", QT_TR_NOOP("Show Grid"),
         ":/showgrid.png", none, 0},
    };
    for (const ActionEntry& entry : table) {
        auto* action = new QAction(QIcon(entry.icon), tr(entry.text), this);
        action->setObjectName(entry.objectName);
        if (entry.shortcut != none) {
            action->setShortcuts(entry.shortcut);
        }
        if (entry.data != 0) {
            action->setData(entry.data);
        }
        this->*entry.action = action;
    }
    // Delete cuts, so that a removed item can still be pasted back.
    QList<QKeySequence> cutKeys{QKeySequence(Qt::Key_Delete)};
    cutKeys += QKeySequence::keyBindings(QKeySequence::Cut);
    editCutAction->setShortcuts(cutKeys);
    viewZoomInAction->setShortcut(QKeySequence(tr("+")));
    viewZoomOutAction->setShortcut(QKeySequence(tr("-")));
    viewZoomFitAction->setShortcut(QKeySequence(tr("*")));
    viewShowGridAction->setCheckable(true);
    viewShowGridAction->setChecked(gridShown);
}

void MainWindow::createMenusAndToolBars() {
    setUnifiedTitleAndToolBarOnMac(true);

    QMenu* fileMenu = createMenu("fileMenu", tr("File"));
    populateMenuAndToolBar(fileMenu, createToolBar("fileToolBar", tr("File")),
                           {fileNewAction, fileOpenAction, fileSaveAction, fileExportAction,
                            nullptr, filePrintAction, filePrintPreviewAction, filePageSizeAction});
    // Save As and Quit are menu commands only.
    fileMenu->insertAction(fileExportAction, fileSaveAsAction);
    fileMenu->addSeparator();
    fileMenu->addAction(fileQuitAction);

    auto* alignMenu = new QMenu(tr("Align"), this);
    alignMenu->setObjectName("alignMenu");
    alignMenu->addActions(
        {editAlignLeftAction, editAlignRightAction, editAlignTopAction, editAlignBottomAction});
    // In the tool bar the button repeats the last alignment; its arrow offers all four.
    editAlignmentAction->setMenu(alignMenu);

    populateMenuAndToolBar(
        createMenu("editMenu", tr("Edit")), createToolBar("editToolBar", tr("Edit")),
        {editSelectedItemAction, nullptr, editAddTextAction, editAddBoxAction, editAddQRCodeAction,
         nullptr, editCopyAction, editCutAction, editPasteAction, nullptr, editAlignmentAction,
         editClearTransformsAction});
    populateMenuAndToolBar(
        createMenu("viewMenu", tr("View")), createToolBar("viewToolBar", tr("View")),
        {viewZoomInAction, viewZoomOutAction, viewZoomFitAction, nullptr, viewShowGridAction});
}

void MainWindow::createDockWidgets() {
    setDockOptions(QMainWindow::AnimatedDocks);
    transformWidget = new TransformWidget(this);
    brushWidget = new BrushWidget(this);
    penWidget = new PenWidget(this);
    const struct {
        QWidget* editor;
        const char* objectName;
        QString title;
    } docks[] = {
        {transformWidget, "geometryDock", tr("Geometry")},
        {brushWidget, "brushDock", tr("Brush (Fill)")},
        {penWidget, "penDock", tr("Pen (Outline)")},
    };
    for (const auto& entry : docks) {
        auto* dock = new QDockWidget(entry.title, this);
        // Named, so that the window state restores where the user put them.
        dock->setObjectName(entry.objectName);
        // They cannot be closed: there is no command to bring them back.
        dock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
        dock->setWidget(entry.editor);
        addDockWidget(Qt::RightDockWidgetArea, dock);
    }
}

void MainWindow::createConnections() {
    connect(fileNewAction, &QAction::triggered, this, &MainWindow::fileNew);
    connect(fileOpenAction, &QAction::triggered, this, &MainWindow::fileOpen);
    connect(fileSaveAction, &QAction::triggered, this, &MainWindow::fileSave);
    connect(fileSaveAsAction, &QAction::triggered, this, &MainWindow::fileSaveAs);
    connect(fileExportAction, &QAction::triggered, this, &MainWindow::fileExport);
    connect(filePrintAction, &QAction::triggered, this, &MainWindow::filePrint);
    connect(fileQuitAction, &QAction::triggered, this, &MainWindow::close);
    connect(filePrintPreviewAction, &QAction::triggered, this, &MainWindow::printPreview);
    connect(filePageSizeAction, &QAction::triggered, this, &MainWindow::printSetPageSize);
    connect(editSelectedItemAction, &QAction::triggered, this, &MainWindow::editSelectedItem);
    for (QAction* add : {editAddTextAction, editAddBoxAction, editAddQRCodeAction}) {
        connect(add, &QAction::triggered, this, &MainWindow::editAddItem);
    }
    connect(editCopyAction, &QAction::triggered, this, &MainWindow::editCopy);
    connect(editCutAction, &QAction::triggered, this, &MainWindow::editCut);
    connect(editPasteAction, &QAction::triggered, this, &MainWindow::editPaste);
    for (QAction* align : {editAlignmentAction, editAlignLeftAction, editAlignRightAction,
                           editAlignTopAction, editAlignBottomAction}) {
        connect(align, &QAction::triggered, this, &MainWindow::editAlign);
    }
    connect(editClearTransformsAction, &QAction::triggered, this, &MainWindow::editClearTransforms);
    connect(viewZoomInAction, &QAction::triggered, graphicsView, &GraphicsView::zoomIn);
    connect(viewZoomOutAction, &QAction::triggered, graphicsView, &GraphicsView::zoomOut);
    connect(viewZoomFitAction, &QAction::triggered, graphicsView, &GraphicsView::zoomFitView);
    connect(viewShowGridAction, &QAction::toggled, this, &MainWindow::viewShowGrid);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &MainWindow::updateUi);
    connect(labelScene, &QGraphicsScene::selectionChanged, this, &MainWindow::selectionChanged);
}

void MainWindow::populateMenuAndToolBar(QMenu* menu, QToolBar* toolBar,
                                        const QList<QAction*>& actions) {
    for (QAction* action : actions) {
        if (action) {
            menu->addAction(action);
            toolBar->addAction(action);
        } else {
            menu->addSeparator();
            toolBar->addSeparator();
        }
    }
}

QMenu* MainWindow::createMenu(const QString& objectName, const QString& title) {
    QMenu* menu = menuBar()->addMenu(title);
    menu->setObjectName(objectName);
    return menu;
}

QToolBar* MainWindow::createToolBar(const QString& objectName, const QString& title) {
    QToolBar* toolBar = addToolBar(title);
    toolBar->setObjectName(objectName);
    return toolBar;
}

void MainWindow::updateUi() {
    fileSaveAction->setEnabled(isWindowModified());
    const bool hasItems = !labelItems().isEmpty();
    for (QAction* action : {fileSaveAsAction.data(), fileExportAction.data(),
                            filePrintAction.data(), filePrintPreviewAction.data()}) {
        action->setEnabled(hasItems);
    }
    const int selected = labelScene->selectedItems().size();
    editSelectedItemAction->setEnabled(selected == 1);
    editCopyAction->setEnabled(selected >= 1);
    editCutAction->setEnabled(selected >= 1);
    const QMimeData* mime = QApplication::clipboard()->mimeData(QClipboard::Clipboard);
    editPasteAction->setEnabled(mime && (mime->hasFormat(DocumentCodec::kClipboardMimeType) ||
                                         mime->hasHtml() || mime->hasText()));
    editAlignmentAction->setEnabled(selected >= 2);
    editClearTransformsAction->setEnabled(selected >= 1);

    bool hasTransform = false;
    bool hasBrush = false;
    bool hasPen = false;
    getSelectionProperties(hasTransform, hasBrush, hasPen);
    transformWidget->setEnabled(hasTransform);
    brushWidget->setEnabled(hasBrush);
    penWidget->setEnabled(hasPen);
}

// With several items selected the docks keep what they showed last: there is no one value.
void MainWindow::selectionChanged() {
    const QList<QGraphicsItem*> items = labelScene->selectedItems();
    auto* item = items.size() == 1 ? dynamic_cast<QObject*>(items.first()) : nullptr;
    if (item) {
        const QVariant brush = item->property("brush");
        if (brush.isValid()) {
            brushWidget->setBrush(brush.value<QBrush>());
        }
        const QVariant pen = item->property("pen");
        if (pen.isValid()) {
            penWidget->setPen(pen.value<QPen>());
        }
        const QVariant angle = item->property("angle");
        if (angle.isValid()) {
            transformWidget->setAngle(angle.toDouble());
            transformWidget->setShear(item->property("shearHorizontal").toInt(),
                                      item->property("shearVertical").toInt());
        }
    }
    updateUi();
}

void MainWindow::getSelectionProperties(bool& hasTransform, bool& hasBrush, bool& hasPen) const {
    hasTransform = hasBrush = hasPen = false;
    for (QGraphicsItem* selected : labelScene->selectedItems()) {
        const auto* item = dynamic_cast<QObject*>(selected);
        if (!item) {
            continue;
        }
        const QMetaObject* meta = item->metaObject();
        hasBrush = hasBrush || meta->indexOfProperty("brush") >= 0;
        hasPen = hasPen || meta->indexOfProperty("pen") >= 0;
        hasTransform = hasTransform || meta->indexOfProperty("angle") >= 0;
    }
}
