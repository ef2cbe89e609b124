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

class Placeholder;
class QAction;
class QGraphicsItem;
class QGraphicsItemGroup;
class QPainter;
class QPrinter;

// The designer's window: one label document on a scene that is printed on the default printer
// at the label's size. The construction steps createActions, createMenusAndToolBars and
// createConnections are where the edit commands and property docks attach.
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
    // Queues the opening of the document named in the settings, or a new document.
    void startWithMostRecentFile();

    // Creates the items of the records in the stream, moved by offset and, with select, selected;
    // nothing at all when the stream holds a damaged or unknown record.
    bool readItemRecords(QDataStream& in, int offset, bool select);
    // Puts the records of the given items on the clipboard, bottom first.
    void copySelectedItems(const QList<QGraphicsItem*>& items);

    // Draws the label with placeholders filled, without grid or selection, onto the painter's
    // whole device; the document, its modified mark and the selection are as before afterwards.
    void renderScene(QPainter* painter);
    // The print-only run: loads the most recent document and prints it; false on any failure.
    bool printMostRecentFile();
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
    void updateUi();
    void selectionChanged();

private:
    void createForm();
    void createScene();
    void createActions();
    void createMenusAndToolBars();
    void createConnections();

    QAction* createAction(const QString& objectName, const QString& text);
    bool writeDocument(const QString& path);
    QVector<ItemRecord> itemRecords(const QList<QGraphicsItem*>& items) const;
    QGraphicsItem* createItem(const ItemRecord& record);
    void createItems(const QVector<ItemRecord>& records, int offset, bool select);
    void applyPlaceholders();
    void restorePlaceholders();
    static void setTransientText(QObject* item, const QString& text);
    void reportError(const QString& text);
    void saveSettings();
    QString mostRecentFile() const;

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
};
