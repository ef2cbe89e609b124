#pragma once

#include <QDataStream>
#include <QGraphicsScene>
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QVector>
#include <memory>

#include "GraphicsView.h"
#include "ItemRecords.h"

class BrushWidget;
class PenWidget;
class Placeholder;
class QAbstractAnimation;
class QAction;
class QGraphicsItem;
class QGraphicsItemGroup;
class QMenu;
class QMimeData;
class QPainter;
class QParallelAnimationGroup;
class QPrinter;
class QToolBar;
class TransformWidget;

// The designer's window: one label document on a scene that is printed on the default printer
// at the label's size, with the edit commands, the page grid and the property docks of the
// selected items.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The values for the label's placeholders; not owned, it outlives the window.
    void setPlaceholder(Placeholder* placeholder);
    // An unattended run (--print) reports failures on standard error, never in a message box.
    void setUnattended(bool unattended);

    QGraphicsScene* scene() const { return labelScene; }
    GraphicsView* view() const { return graphicsView; }
    QPrinter* printer() const { return labelPrinter.get(); }

    // Sets the printer's page and resolution; the scene follows the page.
    void setPrinterPage(const QSizeF& sizeMM, int dpi);
    // The page in whole points: the scene rectangle and the size of exported labels.
    QSize pageSizePoints() const;

    // The label items (boxes, QR codes, texts) in stacking order, without the grid.
    QList<QGraphicsItem*> labelItems(Qt::SortOrder order = Qt::AscendingOrder) const;

    // Empties the document and rebuilds the grid.
    void clear();
    // Wires an item that enters the document to the modified mark.
    void connectItem(QObject* item);
    // Asks whether unsaved changes should be saved; false when the user cancels.
    bool confirmSaveChanges();
    void updateWindowTitle();
    // Queues the opening of the document at path, or of a new document when path is empty or
    // the document cannot be read.
    void startWithFile(const QString& path);

    // Creates the items of the records in the stream, moved by offset and, with select, selected;
    // nothing at all when the stream holds a damaged or unknown record.
    bool readItemRecords(QDataStream& in, int offset, bool select);
    // Puts the records of the given items on the clipboard, bottom first.
    void copySelectedItems(const QList<QGraphicsItem*>& items);

    // Which of the docks' properties the selected items have between them.
    void getSelectionProperties(bool& hasTransform, bool& hasBrush, bool& hasPen) const;
    // The alignment still gliding items into place, if any; it deletes itself when it ends.
    QAbstractAnimation* alignmentAnimation() const;

    // Draws the label with placeholders filled, without grid or selection, onto the painter's
    // whole device; the document, its modified mark and the selection are as before afterwards.
    void renderScene(QPainter* painter);
    // The print-only run: loads the document at path and prints it; false on any failure.
    bool printFile(const QString& path);
    // Draws the label into an image file at the print resolution; an image beyond the memory
    // budget is refused with the largest resolution that fits.
    bool exportImage(const QString& path);
    bool exportSvg(const QString& path);

public slots:
    void setDirty(bool on);
    void setDirty();
    void fileNew();
    void fileOpen();
    bool fileSave();
    bool fileSaveAs();
    // Loads the document at path; on failure reports why and leaves the open document as it was.
    bool loadFile(const QString& path);
    // Saves the document under path and makes path its name; on failure reports why and keeps
    // the old name and the modified mark.
    bool saveFile(const QString& path);
    bool filePrint();
    void printPreview();
    void fileExport();
    void viewShowGrid(bool on);

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    // Enables the actions and docks for the document, the selection and the clipboard.
    void updateUi();
    // Shows the one selected item's properties in the docks.
    void selectionChanged();
    void editSelectedItem();
    void editAddItem();
    void editCopy();
    void editCut();
    void editPaste();
    void editAlign();
    void editClearTransforms();
    void printSetPageSize();

private:
    void createForm();
    void createScene();
    void createActions();
    void createMenusAndToolBars();
    void createDockWidgets();
    void createConnections();

    static void populateMenuAndToolBar(QMenu* menu, QToolBar* toolBar,
                                       const QList<QAction*>& actions);
    QToolBar* createToolBar(const QString& objectName, const QString& title);
    QMenu* createMenu(const QString& objectName, const QString& title);
    // Where the next added item goes: under the cursor when it rests on the canvas, a little
    // further each time the same point is handed out again.
    QPoint newItemPosition();
    void animateAlignment(const QList<QGraphicsItem*>& items, const QList<QPointF>& positions);
    void pasteLabelItems(const QByteArray& records);
    void pasteText(const QMimeData* mime);
    // Asks for the file to save or export to; empty when the user cancels.
    QString askSavePath(const QString& title, const QString& filter);
    bool confirmReplace(const QString& path);
    bool writeDocument(const QString& path);
    QVector<ItemRecord> itemRecords(const QList<QGraphicsItem*>& items) const;
    QGraphicsItem* createItem(const ItemRecord& record);
    void createItems(const QVector<ItemRecord>& records, int offset, bool select);
    void applyPlaceholders();
    void restorePlaceholders();
    static void setTransientText(QObject* item, const QString& text);
    void reportError(const QString& text);
    void saveSettings();
    bool isUnnamed(const QString& path) const;

    std::unique_ptr<QPrinter> labelPrinter;
    QPointer<QGraphicsScene> labelScene;
    QPointer<GraphicsView> graphicsView;
    QGraphicsItemGroup* gridGroup = nullptr;
    bool gridShown = true;
    Placeholder* placeholder = nullptr;
    // The template texts of the items whose placeholders are filled during a render.
    QHash<QObject*, QString> savedTexts;
    bool unattended = false;

    QPointer<QAction> fileNewAction;
    QPointer<QAction> fileOpenAction;
    QPointer<QAction> fileSaveAction;
    QPointer<QAction> fileSaveAsAction;
    QPointer<QAction> fileExportAction;
    QPointer<QAction> filePrintAction;
    QPointer<QAction> fileQuitAction;
    QPointer<QAction> filePrintPreviewAction;
    QPointer<QAction> filePageSizeAction;
    QPointer<QAction> editSelectedItemAction;
    QPointer<QAction> editAddTextAction;
    QPointer<QAction> editAddBoxAction;
    QPointer<QAction> editAddQRCodeAction;
    QPointer<QAction> editCopyAction;
    QPointer<QAction> editCutAction;
    QPointer<QAction> editPasteAction;
    QPointer<QAction> editAlignmentAction;
    QPointer<QAction> editAlignLeftAction;
    QPointer<QAction> editAlignRightAction;
    QPointer<QAction> editAlignTopAction;
    QPointer<QAction> editAlignBottomAction;
    QPointer<QAction> editClearTransformsAction;
    QPointer<QAction> viewZoomInAction;
    QPointer<QAction> viewZoomOutAction;
    QPointer<QAction> viewZoomFitAction;
    QPointer<QAction> viewShowGridAction;

    QPointer<TransformWidget> transformWidget;
    QPointer<BrushWidget> brushWidget;
    QPointer<PenWidget> penWidget;

    // The last point handed out for a new item, and the step added when it is asked for again.
    QPoint previousPoint;
    int addOffset = 5;
    // How far the next paste of label items is moved on both axes; Copy starts it again.
    int pasteOffset = 5;
    QPointer<QParallelAnimationGroup> runningAlignment;
};
