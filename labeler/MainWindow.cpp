#include "MainWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGraphicsItemGroup>
#include <QGraphicsScene>
#include <QImageWriter>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QParallelAnimationGroup>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QStatusBar>
#include <QSvgGenerator>
#include <QTextStream>
#include <QToolBar>
#include <cmath>
#include <cstdio>

#include "BoxItem.h"
#include "BrushWidget.h"
#include "DocumentCodec.h"
#include "GraphicsView.h"
#include "ImageFileFilter.h"
#include "LabelGrid.h"
#include "PenWidget.h"
#include "Placeholder.h"
#include "QRCodeItem.h"
#include "Settings.h"
#include "TextItem.h"
#include "TransformWidget.h"

namespace {
const int kStatusTimeoutMs = 10000;
// The raster export draws the page at a whole number of pixels per point.
const int kPointsPerInch = 72;
// The raster export makes its image whole in memory, 4 bytes a pixel: 100 megapixels are 400 MB.
const qint64 kMaxExportPixels = 100000000;
const char kDocumentSuffix[] = ".tmq";

// "png" for "PNG image (*.png)": the suffix a bare file name gets in that format.
QString firstSuffix(const QString& nameFilter) {
    static const QRegularExpression pattern("\\*\\.(\\w+)");
    return pattern.match(nameFilter).captured(1);
}

bool isLabelItem(const QGraphicsItem* item) {
    const int type = item->type();
    return type == LabelItemType::Box || type == LabelItemType::QrCode ||
           type == LabelItemType::Text;
}

QString documentsLocation() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}
}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    // The resources live in the static library: the linker keeps them only when asked for.
    Q_INIT_RESOURCE(labeler);
    createForm();
    labelPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    createScene();
    setPrinterPage(Settings::instance().pageSizeMM(), Settings::instance().printDPI());
    viewShowGrid(Settings::instance().showGrid());
    createActions();
    createMenusAndToolBars();
    createDockWidgets();
    createConnections();
    Settings::instance().restoreWindow(this);
    statusBar()->showMessage(tr("Ready", "main"));
    updateWindowTitle();
    updateUi();
}

// The scene goes first, while the window is whole: its items leave with it, and their selection
// must not reach the window's handlers once the window's own members are gone. An alignment
// still gliding goes with it.
MainWindow::~MainWindow() {
    delete runningAlignment;
    labelScene->disconnect(this);
    delete labelScene;
}

void MainWindow::setPlaceholder(Placeholder* table) {
    placeholder = table;
}

void MainWindow::setUnattended(bool on) {
    unattended = on;
}

void MainWindow::setPrinterPage(const QSizeF& sizeMM, int dpi) {
    labelPrinter->setFullPage(true);
    labelPrinter->setPageSize(
        QPageSize(sizeMM, QPageSize::Millimeter, "Label 100x50", QPageSize::FuzzyMatch));
    labelPrinter->setResolution(dpi);
    // The label is printed 1:1 over the whole page, not shrunk into the printer's margins.
    labelPrinter->setPageMargins(QMarginsF(), QPageLayout::Point);
    labelScene->setSceneRect(QRectF(QPointF(0, 0), pageSizePoints()));
}

QSize MainWindow::pageSizePoints() const {
    return labelPrinter->pageLayout().pageSize().sizePoints();
}

QList<QGraphicsItem*> MainWindow::labelItems(Qt::SortOrder order) const {
    QList<QGraphicsItem*> items;
    for (QGraphicsItem* item : labelScene->items(order)) {
        if (isLabelItem(item)) {
            items.append(item);
        }
    }
    return items;
}

void MainWindow::clear() {
    // Clearing the scene deletes the grid with the items; a new one is built for the page.
    delete gridGroup;
    gridGroup = nullptr;
    labelScene->clear();
    viewShowGrid(gridShown);
    graphicsView->zoomFitView();
    graphicsView->zoomOut();
}

// The docks talk to every item that has their property; the items act only while selected, so
// a dock edit reaches exactly the selected items.
void MainWindow::connectItem(QObject* item) {
    connect(item, SIGNAL(dirty()), this, SLOT(setDirty()));
    const QMetaObject* meta = item->metaObject();
    if (meta->indexOfProperty("brush") >= 0) {
        connect(brushWidget, SIGNAL(brushChanged(QBrush)), item, SLOT(setBrush(QBrush)));
    }
    if (meta->indexOfProperty("pen") >= 0) {
        connect(penWidget, SIGNAL(penChanged(QPen)), item, SLOT(setPen(QPen)));
    }
    if (meta->indexOfProperty("angle") >= 0) {
        connect(transformWidget, SIGNAL(angleChanged(double)), item, SLOT(setAngle(double)));
        connect(transformWidget, SIGNAL(shearChanged(int, int)), item, SLOT(setShear(int, int)));
    }
}

bool MainWindow::confirmSaveChanges() {
    if (!isWindowModified() || unattended) {
        return true;
    }
    QMessageBox box(QMessageBox::Question,
                    tr("%1 - %2").arg(QApplication::applicationName(), tr("Unsaved changes")),
                    tr("Save unsaved changes?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setObjectName("unsavedChangesBox");
    box.setWindowModality(Qt::WindowModal);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Save:
            return fileSave();
        case QMessageBox::Discard:
            return true;
        default:
            return false;
    }
}

void MainWindow::updateWindowTitle() {
    QString name = QFileInfo(windowFilePath()).fileName();
    if (name.isEmpty()) {
        name = tr("Unnamed");
    }
    setWindowTitle(
        tr("%1 - V%2 (%3)").arg(tr("Sabbeth"), QApplication::applicationVersion(), name));
}

void MainWindow::startWithFile(const QString& path) {
    if (isUnnamed(path)) {
        QMetaObject::invokeMethod(this, &MainWindow::fileNew, Qt::QueuedConnection);
        return;
    }
    QMetaObject::invokeMethod(
        this,
        [this, path] {
            // A template that cannot be read leaves an empty, unnamed document, so that a
            // later Save cannot overwrite the file with something else.
            if (!loadFile(path)) {
                fileNew();
            }
        },
        Qt::QueuedConnection);
}

bool MainWindow::readItemRecords(QDataStream& in, int offset, bool select) {
    QVector<ItemRecord> records;
    if (!DocumentCodec::readRecords(in, records)) {
        return false;
    }
    createItems(records, offset, select);
    return true;
}

void MainWindow::copySelectedItems(const QList<QGraphicsItem*>& items) {
    QList<QGraphicsItem*> bottomFirst;
    for (QGraphicsItem* item : labelItems(Qt::AscendingOrder)) {
        if (items.contains(item)) {
            bottomFirst.append(item);
        }
    }
    auto* mime = new QMimeData;
    mime->setData(DocumentCodec::kClipboardMimeType,
                  DocumentCodec::clipboardData(itemRecords(bottomFirst)));
    QApplication::clipboard()->setMimeData(mime, QClipboard::Clipboard);
}

void MainWindow::renderScene(QPainter* painter) {
    const QList<QGraphicsItem*> selected = labelScene->selectedItems();
    labelScene->clearSelection();
    applyPlaceholders();
    labelScene->render(painter, QRectF(), labelScene->sceneRect(), Qt::KeepAspectRatio);
    restorePlaceholders();
    for (QGraphicsItem* item : selected) {
        item->setSelected(true);
    }
    selectionChanged();
}

bool MainWindow::printFile(const QString& path) {
    if (isUnnamed(path)) {
        reportError(tr("No label document to print."));
        return false;
    }
    return loadFile(path) && filePrint();
}

bool MainWindow::exportImage(const QString& path) {
    const int dpi = Settings::instance().printDPI();
    const int factor = dpi / kPointsPerInch;
    const QSize page = pageSizePoints();
    if (qint64(page.width()) * page.height() * factor * factor > kMaxExportPixels) {
        const int fitting = int(std::sqrt(double(kMaxExportPixels) / page.width() / page.height()));
        reportError(tr("%1 cannot be exported at %2 dpi: the image would exceed %3 megapixels. "
                       "The largest resolution that fits is %4 dpi (%5 x %6 pixels).")
                        .arg(path)
                        .arg(dpi)
                        .arg(kMaxExportPixels / 1000000)
                        .arg(fitting * kPointsPerInch)
                        .arg(page.width() * fitting)
                        .arg(page.height() * fitting));
        return false;
    }
    QImage image(page * factor, QImage::Format_ARGB32);
    bool saved = false;
    if (!image.isNull()) {
        // Whatever no item covers is white paper, as on the printed label.
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        renderScene(&painter);
        painter.end();
        saved = !path.isEmpty() && image.save(path);
    }
    if (!saved) {
        reportError(tr("Failed to export: %1").arg(path));
        return false;
    }
    statusBar()->showMessage(tr("Exported %1").arg(path), kStatusTimeoutMs);
    return true;
}

bool MainWindow::exportSvg(const QString& path) {
    QSaveFile file(path);
    bool saved = false;
    if (file.open(QIODevice::WriteOnly)) {
        const QSize size = pageSizePoints();
        QSvgGenerator generator;
        generator.setOutputDevice(&file);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        generator.setTitle(QFileInfo(windowFilePath()).fileName());
        QPainter painter;
        if (painter.begin(&generator)) {
            renderScene(&painter);
            saved = painter.end() && file.error() == QFileDevice::NoError && file.commit();
        }
    }
    if (!saved) {
        reportError(tr("Failed to export: %1").arg(path));
        return false;
    }
    statusBar()->showMessage(tr("Exported %1").arg(path), kStatusTimeoutMs);
    return true;
}

void MainWindow::setDirty(bool on) {
    setWindowModified(on);
    updateUi();
}

void MainWindow::setDirty() {
    setDirty(true);
}

void MainWindow::fileNew() {
    if (!confirmSaveChanges()) {
        return;
    }
    clear();
    setWindowFilePath(QString());
    updateWindowTitle();
    setDirty(false);
}

void MainWindow::fileOpen() {
    if (!confirmSaveChanges()) {
        return;
    }
    const QString path =
        QFileDialog::getOpenFileName(this, tr("%1 - Open").arg(QApplication::applicationName()),
                                     documentsLocation(), tr("Sabbeth (*.tmq)"));
    if (!path.isEmpty()) {
        loadFile(path);
    }
}

bool MainWindow::fileSave() {
    const QString path = windowFilePath();
    if (path.isEmpty()) {
        return fileSaveAs();
    }
    if (!writeDocument(path)) {
        return false;
    }
    setDirty(false);
    return true;
}

bool MainWindow::fileSaveAs() {
    QString path =
        askSavePath(tr("%1 - Save As").arg(QApplication::applicationName()), tr("Sabbeth (*.tmq)"));
    if (path.isEmpty()) {
        return false;
    }
    // A name with another suffix keeps it and gets the document's after it, past the dialog's
    // own question: this one is asked here.
    if (!path.endsWith(kDocumentSuffix, Qt::CaseInsensitive)) {
        path += kDocumentSuffix;
        if (QFileInfo::exists(path) && !confirmReplace(path)) {
            return false;
        }
    }
    return saveFile(path);
}

QString MainWindow::askSavePath(const QString& title, const QString& filter) {
    QFileDialog dialog(this, title, documentsLocation(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without a suffix gets the chosen format's before the dialog looks for an
    // existing file, so that its question about replacing it is asked for the real name.
    const auto followFormat = [&dialog](const QString& nameFilter) {
        dialog.setDefaultSuffix(firstSuffix(nameFilter));
    };
    connect(&dialog, &QFileDialog::filterSelected, &dialog, followFormat);
    followFormat(dialog.selectedNameFilter());
    if (dialog.exec() != QDialog::Accepted) {
        return QString();
    }
    return dialog.selectedFiles().value(0);
}

bool MainWindow::confirmReplace(const QString& path) {
    return QMessageBox::warning(
               this, tr("%1 - Save As").arg(QApplication::applicationName()),
               tr("%1 already exists.\nDo you want to replace it?").arg(QFileInfo(path).fileName()),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

bool MainWindow::saveFile(const QString& path) {
    if (!writeDocument(path)) {
        return false;
    }
    setWindowFilePath(QFileInfo(path).absoluteFilePath());
    updateWindowTitle();
    setDirty(false);
    return true;
}

bool MainWindow::loadFile(const QString& path) {
    const DocumentCodec::ReadResult result = DocumentCodec::readDocument(path);
    const QString appName = QApplication::applicationName();
    switch (result.status) {
        case DocumentCodec::ReadStatus::Ok:
            break;
        case DocumentCodec::ReadStatus::OpenFailed:
            reportError(tr("Failed to open file: %1").arg(result.errorString));
            return false;
        case DocumentCodec::ReadStatus::NotADocument:
            reportError(tr("%1 is not a %2 file").arg(path, appName));
            return false;
        case DocumentCodec::ReadStatus::TooNew:
            reportError(tr("%1 needs a more recent version of %2").arg(path, appName));
            return false;
        case DocumentCodec::ReadStatus::Damaged:
            reportError(tr("%1 is a damaged %2 file").arg(path, appName));
            return false;
    }
    clear();
    createItems(result.records, 0, false);
    setWindowFilePath(QFileInfo(path).absoluteFilePath());
    updateWindowTitle();
    statusBar()->showMessage(tr("Loaded %1").arg(path), kStatusTimeoutMs);
    setDirty(false);
    return true;
}

bool MainWindow::filePrint() {
    const QString printerName = labelPrinter->printerName();
    if (!labelPrinter->isValid() || labelPrinter->outputFormat() != QPrinter::NativeFormat ||
        printerName.isEmpty()) {
        reportError(tr("No printer is available."));
        return false;
    }
    const QString name = QFileInfo(windowFilePath()).fileName();
    labelPrinter->setDocName(name.isEmpty() ? QApplication::applicationName() : name);
    QPainter painter;
    if (!painter.begin(labelPrinter.get())) {
        reportError(tr("Failed to print on %1.").arg(printerName));
        return false;
    }
    renderScene(&painter);
    if (!painter.end()) {
        reportError(tr("Failed to print on %1.").arg(printerName));
        return false;
    }
    statusBar()->showMessage(tr("Printed %1").arg(windowFilePath()), kStatusTimeoutMs);
    return true;
}

void MainWindow::printPreview() {
    QPrintPreviewDialog dialog(labelPrinter.get(), this);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* target) {
        QPainter painter(target);
        renderScene(&painter);
    });
    dialog.exec();
}

void MainWindow::fileExport() {
    QStringList imageMimeTypes;
    for (const QByteArray& type : QImageWriter::supportedMimeTypes()) {
        imageMimeTypes << QString::fromLatin1(type);
    }
    const QString filter = tr("PNG image (*.png)") +
                           ImageFileFilter::build(tr(";;Bitmap image"), imageMimeTypes) +
                           tr(";;Vector image (*.svg)");
    const QString path =
        askSavePath(tr("%1 - Export").arg(QApplication::applicationName()), filter);
    if (path.isEmpty()) {
        return;
    }
    if (path.endsWith(".svg", Qt::CaseInsensitive)) {
        exportSvg(path);
    } else {
        exportImage(path);
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!confirmSaveChanges()) {
        event->ignore();
        return;
    }
    // A print-only run leaves the user's window and document settings as they were.
    if (!unattended) {
        saveSettings();
    }
    event->accept();
}

void MainWindow::createForm() {
    if (objectName().isEmpty()) {
        setObjectName("MainWindow");
    }
    resize(400, 300);
    auto* bar = new QMenuBar(this);
    bar->setObjectName("menubar");
    bar->setGeometry(QRect(0, 0, 400, 17));
    setMenuBar(bar);
    auto* status = new QStatusBar(this);
    status->setObjectName("statusbar");
    setStatusBar(status);
}

void MainWindow::createScene() {
    labelScene = new QGraphicsScene(this);
    graphicsView = new GraphicsView(labelScene, this);
    graphicsView->setObjectName("graphicsView");
    setCentralWidget(graphicsView);
}

bool MainWindow::writeDocument(const QString& path) {
    const QString error =
        DocumentCodec::writeDocument(path, itemRecords(labelItems(Qt::AscendingOrder)));
    if (!error.isEmpty()) {
        reportError(tr("Failed to save %1: %2").arg(path, error));
        return false;
    }
    return true;
}

QVector<ItemRecord> MainWindow::itemRecords(const QList<QGraphicsItem*>& items) const {
    QVector<ItemRecord> records;
    for (QGraphicsItem* item : items) {
        if (auto* box = qgraphicsitem_cast<BoxItem*>(item)) {
            records.append(box->record());
        } else if (auto* qr = qgraphicsitem_cast<QRCodeItem*>(item)) {
            records.append(qr->record());
        } else if (auto* text = qgraphicsitem_cast<TextItem*>(item)) {
            records.append(text->record());
        }
    }
    return records;
}

QGraphicsItem* MainWindow::createItem(const ItemRecord& record) {
    if (const auto* box = std::get_if<BoxRecord>(&record)) {
        auto* item = new BoxItem(QRect(), labelScene);
        item->apply(*box);
        connectItem(item);
        return item;
    }
    if (const auto* qr = std::get_if<QrCodeRecord>(&record)) {
        auto* item = new QRCodeItem(QPoint(), labelScene);
        item->apply(*qr);
        connectItem(item);
        return item;
    }
    auto* item = new TextItem(QPoint(), labelScene);
    item->apply(std::get<TextRecord>(record));
    connectItem(item);
    return item;
}

// Records are bottom first, and a later item lies above an earlier one of the same z value, so
// creating them in order keeps the stacking they were saved with.
void MainWindow::createItems(const QVector<ItemRecord>& records, int offset, bool select) {
    QList<QGraphicsItem*> created;
    for (const ItemRecord& record : records) {
        QGraphicsItem* item = createItem(record);
        item->moveBy(offset, offset);
        created.append(item);
    }
    if (select) {
        labelScene->clearSelection();
        for (QGraphicsItem* item : created) {
            item->setSelected(true);
        }
    }
    selectionChanged();
}

void MainWindow::applyPlaceholders() {
    if (gridGroup) {
        gridGroup->setVisible(false);
    }
    savedTexts.clear();
    if (!placeholder) {
        return;
    }
    for (QGraphicsItem* item : labelItems(Qt::DescendingOrder)) {
        auto* object = dynamic_cast<QObject*>(item);
        const QVariant text = object ? object->property("plainText") : QVariant();
        if (!text.isValid()) {
            continue;
        }
        bool changed = false;
        const QString filled = placeholder->replace(text.toString(), &changed);
        if (changed) {
            savedTexts.insert(object, text.toString());
            setTransientText(object, filled);
        }
    }
}

void MainWindow::restorePlaceholders() {
    for (auto it = savedTexts.cbegin(); it != savedTexts.cend(); ++it) {
        setTransientText(it.key(), it.value());
    }
    savedTexts.clear();
    if (gridGroup) {
        gridGroup->setVisible(gridShown);
    }
}

// Filling placeholders for a render is no edit: the item's dirty signal is held back.
void MainWindow::setTransientText(QObject* item, const QString& text) {
    const QSignalBlocker blocker(item);
    item->setProperty("plainText", text);
}

void MainWindow::reportError(const QString& text) {
    if (unattended) {
        QTextStream(stderr) << QApplication::applicationName() << ": " << text << Qt::endl;
        return;
    }
    QMessageBox::warning(this, tr("Error"), text);
}

// Earlier versions stored the display name "Unnamed" for a document that was never saved.
bool MainWindow::isUnnamed(const QString& path) const {
    return path.isEmpty() || path == tr("Unnamed");
}

// A label that was never saved leaves the most recent document as it was, so that closing a
// new label never loses the way back to the last one.
void MainWindow::saveSettings() {
    Settings& settings = Settings::instance();
    settings.setShowGrid(gridShown);
    if (!windowFilePath().isEmpty()) {
        settings.setMostRecentFile(windowFilePath());
    }
    settings.saveWindow(this);
}
