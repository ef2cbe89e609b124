// The main window: file commands, the unsaved-changes question, failures, export and printing.

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QGraphicsLineItem>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QSignalSpy>
#include <QSpinBox>
#include <QXmlStreamReader>
#include <memory>

#include "BoxItem.h"
#include "CommandLine.h"
#include "DocumentCodec.h"
#include "LabelerTest.h"
#include "MainWindow.h"
#include "Placeholder.h"
#include "QRCodeItem.h"
#include "QrCode.h"
#include "TextItem.h"

namespace {

const QRgb kWhite = qRgba(255, 255, 255, 255);

// Types path into the next file dialog and accepts it.
struct FileDialogAnswer {
    explicit FileDialogAnswer(const QString& path)
        : driver([path](QFileDialog* dialog) {
              // Typed, as a user would: the dialog's own file list fills in the background.
              dialog->findChild<QLineEdit*>("fileNameEdit")->setText(path);
              static_cast<QDialog*>(dialog)->accept();
              // A dialog that refuses the choice is cancelled, so the test fails, never hangs.
              if (dialog->isVisible()) {
                  dialog->reject();
              }
          }) {}
    ModalDriver<QFileDialog> driver;
};

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What zbarimg reads from the picture, one symbol per line.
QString decoded(const QString& picture) {
    QProcess zbarimg;
    zbarimg.start("zbarimg", {"--raw", "-q", picture});
    if (!zbarimg.waitForFinished(30000)) {
        return QString();
    }
    return QString::fromUtf8(zbarimg.readAllStandardOutput()).trimmed();
}

// What an SVG draws: its embedded pictures, and the subpaths of the paths filled black
// (each starts with a move, M or m).
struct SvgShapes {
    int images = 0;
    int blackFilledSubpaths = 0;
    QString error;
};

SvgShapes svgShapes(const QByteArray& svg) {
    SvgShapes shapes;
    QXmlStreamReader reader(svg);
    QStringList fills;  // the fill in force at each open element, innermost last
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isEndElement()) {
            fills.removeLast();
        }
        if (!reader.isStartElement()) {
            continue;
        }
        const QStringRef fill = reader.attributes().value("fill");
        fills << (fill.isEmpty() && !fills.isEmpty() ? fills.last() : fill.toString());
        if (reader.name() == QLatin1String("image")) {
            ++shapes.images;
        } else if (reader.name() == QLatin1String("path") && fills.last() == "#000000") {
            const QString data = reader.attributes().value("d").toString();
            shapes.blackFilledSubpaths += data.count('M') + data.count('m');
        }
    }
    shapes.error = reader.hasError() ? reader.errorString() : QString();
    return shapes;
}

int subpathCount(const QPainterPath& path) {
    int count = 0;
    for (int index = 0; index < path.elementCount(); ++index) {
        count += path.elementAt(index).isMoveTo();
    }
    return count;
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        Settings::instance().setMostRecentFile(QString());
        Settings::instance().setPrintDPI(300);
        Settings::instance().setPageSizeMM(QSizeF(101.6, 101.6));
        window = std::make_unique<MainWindow>();
        window->setPlaceholder(&placeholder);
        placeholder.set("code", "C-1");
    }

    void cleanup() {
        if (window) {
            window->setWindowModified(false);
        }
        window.reset();
    }

    void startsWithTheDefaultPage() {
        QCOMPARE(window->pageSizePoints(), QSize(288, 288));
        QCOMPARE(window->scene()->sceneRect(), QRectF(0, 0, 288, 288));
        QCOMPARE(window->printer()->resolution(), 300);
        QCOMPARE(window->windowTitle(), QString("Sabbeth - V1.0.1.2 (Unnamed)"));
        int lines = 0;
        for (QGraphicsItem* item : window->scene()->items()) {
            lines += item->type() == QGraphicsLineItem::Type && item->isVisible();
        }
        QCOMPARE(lines, 18);
        QVERIFY(window->labelItems().isEmpty());
        QVERIFY(!action("fileSaveAction")->isEnabled());
        QVERIFY(!action("filePrintAction")->isEnabled());
    }

    void saveAsGivesTheDocumentItsExtension_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("saved");
        QTest::newRow("no extension") << "label"
                                      << "label.tmq";
        QTest::newRow("capital extension") << "Label.TMQ"
                                           << "Label.TMQ";
        QTest::newRow("other extension") << "label.txt"
                                         << "label.txt.tmq";
    }
    void saveAsGivesTheDocumentItsExtension() {
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        addQrCode();
        QVERIFY(action("fileSaveAsAction")->isEnabled());
        FileDialogAnswer answer(path(typed));
        QVERIFY(window->fileSaveAs());
        QVERIFY(answer.driver.handled);
        QCOMPARE(window->windowFilePath(), path(saved));
        QVERIFY(fileBytes(path(saved)).startsWith(QByteArray::fromHex("034A9F210002")));
        QVERIFY(!window->isWindowModified());
        QCOMPARE(window->windowTitle(), QString("Sabbeth - V1.0.1.2 (%1)").arg(saved));
    }

    // The extension is added before the dialog looks for an existing file, so a document is
    // never replaced without the question.
    void saveAsAsksBeforeReplacingADocument_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("existing");
        QTest::addColumn<int>("button");
        QTest::newRow("bare name, replaced") << "name"
                                             << "name.tmq" << int(QMessageBox::Yes);
        QTest::newRow("bare name, kept") << "name"
                                         << "name.tmq" << int(QMessageBox::No);
        QTest::newRow("other extension, kept") << "label.txt"
                                               << "label.txt.tmq" << int(QMessageBox::No);
    }
    void saveAsAsksBeforeReplacingADocument() {
        QFETCH(QString, typed);
        QFETCH(QString, existing);
        QFETCH(int, button);
        const QByteArray old = "an earlier label";
        QFile file(path(existing));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(old);
        file.close();
        addQrCode();
        MessageBoxAnswer question{QMessageBox::StandardButton(button)};
        FileDialogAnswer answer(path(typed));
        const bool saved = window->fileSaveAs();
        QVERIFY(answer.driver.handled);
        QVERIFY2(question.shown(), "replaced without asking");
        QVERIFY(question.text.contains(existing));
        QCOMPARE(saved, button == QMessageBox::Yes);
        QCOMPARE(fileBytes(path(existing)) == old, !saved);
    }

    void newAsksBeforeDroppingChanges_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("cleared");
        QTest::addColumn<bool>("saved");
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << false << false;
        QTest::newRow("discard") << int(QMessageBox::Discard) << true << false;
        QTest::newRow("save") << int(QMessageBox::Save) << true << true;
    }
    void newAsksBeforeDroppingChanges() {
        QFETCH(int, button);
        QFETCH(bool, cleared);
        QFETCH(bool, saved);
        const QString document = path(QString("question-%1.tmq").arg(button));
        QVERIFY(window->saveFile(document));
        const QByteArray empty = fileBytes(document);
        addQrCode();
        MessageBoxAnswer answer{QMessageBox::StandardButton(button)};
        window->fileNew();
        QVERIFY(answer.shown());
        QCOMPARE(answer.title, QString("Sabbeth - Unsaved changes"));
        QCOMPARE(answer.text, QString("Save unsaved changes?"));
        QCOMPARE(window->labelItems().isEmpty(), cleared);
        QCOMPARE(window->isWindowModified(), !cleared);
        QCOMPARE(fileBytes(document) != empty, saved);
    }

    void closeCancelledKeepsWindowAndSettings() {
        Settings::instance().setMostRecentFile("kept");
        window->show();
        addQrCode();
        MessageBoxAnswer answer(QMessageBox::Cancel);
        QVERIFY(!window->close());
        QVERIFY(answer.shown());
        QVERIFY(window->isVisible());
        QCOMPARE(Settings::instance().mostRecentFile(), QString("kept"));
    }

    // The items go with the window's scene when the window is destroyed; their selection must
    // not reach the window's handlers then (its commands and docks would update as it dies).
    void closingWithASelectionRunsNothingOnTheDyingWindow() {
        addQrCode();
        QVERIFY(window->saveFile(path("selected.tmq")));
        QVERIFY(window->loadFile(path("selected.tmq")));
        QCOMPARE(window->scene()->selectedItems().size(), 1);
        QSignalSpy commandUpdates(action("editCopyAction"), &QAction::changed);
        QVERIFY(window->close());
        window.reset();
        QCOMPARE(commandUpdates.count(), 0);
    }

    void closeStoresTheDocumentPath() {
        QVERIFY(window->saveFile(path("closed.tmq")));
        QVERIFY(window->close());
        QCOMPARE(Settings::instance().mostRecentFile(), path("closed.tmq"));
        // A new label that was never saved keeps the way back to the last document.
        window->fileNew();
        QVERIFY(window->close());
        QCOMPARE(Settings::instance().mostRecentFile(), path("closed.tmq"));
    }

    void configNamingNoDocumentKeepsTheMostRecentOne_data() {
        QTest::addColumn<QString>("config");
        QTest::addColumn<bool>("opened");
        QTest::newRow("empty") << "" << false;
        QTest::newRow("missing file") << path("missing.tmq") << false;
        QTest::newRow("folder") << dir.path() << false;
        QTest::newRow("document") << path("given.tmq") << true;
    }
    void configNamingNoDocumentKeepsTheMostRecentOne() {
        QFETCH(QString, config);
        QFETCH(bool, opened);
        addQrCode();
        QVERIFY(window->saveFile(path("given.tmq")));
        addQrCode();
        QVERIFY(window->saveFile(path("recent.tmq")));
        Settings::instance().setMostRecentFile(path("recent.tmq"));
        CommandLine options;
        options.process({"Sabbeth", "--config", config});
        const QString document = options.startDocument();
        const QString mostRecent = opened ? config : path("recent.tmq");
        QCOMPARE(document, opened ? config : QString());
        QCOMPARE(Settings::instance().mostRecentFile(), mostRecent);
        window->startWithFile(document);
        QTRY_COMPARE(window->labelItems().size(), opened ? 1 : 0);
        QCOMPARE(window->windowFilePath(), document);
        QVERIFY(window->close());
        QCOMPARE(Settings::instance().mostRecentFile(), mostRecent);
    }

    void clipboardCarriesItemsAndRefusesForeignData() {
        QRCodeItem* qr = addQrCode();
        auto* box = new BoxItem(QRect(0, 0, 40, 20), window->scene());
        window->connectItem(box);
        window->copySelectedItems({box, qr});
        const QMimeData* mime = QApplication::clipboard()->mimeData();
        QVERIFY(mime->hasFormat(DocumentCodec::kClipboardMimeType));
        const QByteArray data = mime->data(DocumentCodec::kClipboardMimeType);
        QCOMPARE(data.left(4), QByteArray::fromHex("00010002"));  // bottom first
        QDataStream in(data);
        QVERIFY(window->readItemRecords(in, 5, true));
        const QList<QGraphicsItem*> items = window->labelItems();
        QCOMPARE(items.size(), 4);
        QCOMPARE(window->scene()->selectedItems().size(), 2);
        QCOMPARE(items[2]->pos(), qr->pos() + QPointF(5, 5));
        QCOMPARE(items[3]->pos(), box->pos() + QPointF(5, 5));
        QDataStream foreign(QByteArray::fromHex("00010001") + QByteArray(40, 'x'));
        QVERIFY(!window->readItemRecords(foreign, 5, true));
        QCOMPARE(window->labelItems().size(), 4);
    }

    void printPreviewShowsTheFilledLabel() {
        QRCodeItem* qr = addQrCode();
        window->setDirty(false);
        ModalDriver<QPrintPreviewDialog> driver(
            [](QPrintPreviewDialog* dialog) { dialog->reject(); });
        window->printPreview();
        QVERIFY(driver.handled);
        QCOMPARE(qr->plainText(), QString("{%code%}"));
        QVERIFY(!window->isWindowModified());
    }

    void loadingLeavesTheDocumentUnmodified() {
        addQrCode();
        QVERIFY(window->saveFile(path("loaded.tmq")));
        window->fileNew();
        QVERIFY(window->loadFile(path("loaded.tmq")));
        QCOMPARE(window->labelItems().size(), 1);
        QVERIFY(!window->isWindowModified());
        QCOMPARE(window->windowFilePath(), path("loaded.tmq"));
    }

    void failedOpenKeepsTheOpenDocument_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        const QByteArray header = QByteArray::fromHex("034A9F210002");
        QTest::newRow("broken magic")
            << QByteArray::fromHex("034A9F220002") << "%1 is not a Sabbeth file";
        QTest::newRow("version 3")
            << QByteArray::fromHex("034A9F210003") << "%1 needs a more recent version of Sabbeth";
        QTest::newRow("truncated")
            << header + QByteArray::fromHex("00010002000000") << "%1 is a damaged Sabbeth file";
        QTest::newRow("missing") << QByteArray() << "Failed to open file: ";
    }
    void failedOpenKeepsTheOpenDocument() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        const QString good = path("good.tmq");
        addQrCode();
        QVERIFY(window->saveFile(good));
        addQrCode();
        const QString bad = path(QString("bad-%1.tmq").arg(QTest::currentDataTag()));
        if (!bytes.isEmpty()) {
            QFile file(bad);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        MessageBoxAnswer answer(QMessageBox::Ok);
        QVERIFY(!window->loadFile(bad));
        QVERIFY(answer.shown());
        QCOMPARE(answer.title, QString("Error"));
        QVERIFY2(answer.text.startsWith(message.arg(bad)), qPrintable(answer.text));
        QCOMPARE(window->labelItems().size(), 2);
        QCOMPARE(window->windowFilePath(), good);
        QVERIFY(window->isWindowModified());
    }

    void failedOpenFromTheMenuKeepsTheName() {
        const QString good = path("named.tmq");
        QVERIFY(window->saveFile(good));
        const QString bad = path("foreign.tmq");
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a label");
        file.close();
        FileDialogAnswer choice(bad);
        MessageBoxAnswer answer(QMessageBox::Ok);
        window->fileOpen();
        QVERIFY(choice.driver.handled);
        QVERIFY(answer.shown());
        QCOMPARE(window->windowFilePath(), good);
    }

    void failedSaveWarnsAndKeepsTheMark() {
        const QString document = path("kept.tmq");
        addQrCode();
        QVERIFY(window->saveFile(document));
        const QByteArray before = fileBytes(document);
        addQrCode();
        // A folder cannot be replaced by a document: the save must fail at its end.
        window->setWindowFilePath(dir.path());
        MessageBoxAnswer answer(QMessageBox::Ok);
        QVERIFY(!window->fileSave());
        QVERIFY(answer.shown());
        QVERIFY2(answer.text.startsWith("Failed to save"), qPrintable(answer.text));
        QVERIFY(window->isWindowModified());
        QCOMPARE(fileBytes(document), before);
    }

    void boxAcrossAnA3PageSavesAndReloadsUnchanged() {
        Settings::instance().setPageSizeMM(QSizeF(297, 420));
        window = std::make_unique<MainWindow>();
        auto* box = new BoxItem(QRect(0, 0, 830, 1180), window->scene());
        window->connectItem(box);
        QVERIFY(window->saveFile(path("a3.tmq")));
        window->fileNew();
        QVERIFY(window->loadFile(path("a3.tmq")));
        auto* loaded = qgraphicsitem_cast<BoxItem*>(window->labelItems().value(0));
        QVERIFY(loaded && loaded->isSelected());
        QCOMPARE(loaded->rect(), QRectF(-415, -590, 830, 1180));
        // The Geometry dock shows the size as it is, and an edit of one side keeps the other.
        auto* width = window->findChild<QSpinBox*>("shearHorizontalSpinBox");
        auto* height = window->findChild<QSpinBox*>("shearVerticalSpinBox");
        QCOMPARE(width->value(), 830);
        QCOMPARE(height->value(), 1180);
        width->setValue(840);
        QCOMPARE(loaded->shearVertical(), 1180);
    }

    void boxResizedFromGeometryMarksTheDocument() {
        auto* box = new BoxItem(QRect(0, 0, 90, 30), window->scene());
        window->connectItem(box);
        window->setDirty(false);
        box->setShear(120, 40);
        QVERIFY(window->isWindowModified());
    }

    void exportsAWhiteLabelAtThePrintResolution_data() {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("pixels");
        QTest::newRow("300 dpi") << 300 << 1152;
        QTest::newRow("144 dpi") << 144 << 576;
        QTest::newRow("96 dpi") << 96 << 288;
    }
    void exportsAWhiteLabelAtThePrintResolution() {
        QFETCH(int, dpi);
        QFETCH(int, pixels);
        Settings::instance().setPrintDPI(dpi);
        QRCodeItem* qr = addQrCode();
        window->setDirty(false);
        const QString selected = path("selected.png");
        QVERIFY(window->exportImage(selected));
        const QImage image(selected);
        QCOMPARE(image.size(), QSize(pixels, pixels));
        const int scale = pixels / 288;
        // Paper white around the code, and no grid line on the page.
        QCOMPARE(image.pixel(0, 0), kWhite);
        QCOMPARE(image.pixel(36 * scale, 3 * scale), kWhite);
        QCOMPARE(image.pixel(3 * scale, 72 * scale), kWhite);
        QCOMPARE(qr->plainText(), QString("{%code%}"));
        QVERIFY(qr->isSelected());
        QVERIFY(!window->isWindowModified());
        window->scene()->clearSelection();
        QVERIFY(window->exportImage(path("plain.png")));
        QCOMPARE(QImage(path("plain.png")), image);
    }

    // A label printer's resolution, black and white, no smoothing: every module must survive,
    // also where a module is narrower than one point.
    void qrCodesStaySharpAtPrinterResolution_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("short code") << "CAM-7F3A21";
        QTest::newRow("long code") << QString("KV-%1").arg(QString("0123456789").repeated(11));
    }
    void qrCodesStaySharpAtPrinterResolution() {
        QFETCH(QString, text);
        auto* qr = new QRCodeItem(QPoint(20, 20), window->scene());
        qr->setPlainText(text);
        const double dotsPerPoint = 203.0 / 72.0;
        QImage page(window->pageSizePoints() * dotsPerPoint, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        window->renderScene(&painter);
        painter.end();
        const QString picture = path("code.png");
        QVERIFY(page.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither).save(picture));
        QCOMPARE(decoded(picture), text);

        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(path("code.pdf"));
        QVERIFY(painter.begin(&pdf));
        window->renderScene(&painter);
        QVERIFY(painter.end());
        const QByteArray content = fileBytes(path("code.pdf"));
        QVERIFY(content.startsWith("%PDF"));
        QVERIFY2(!content.contains("/Subtype /Image"), "the code is drawn as a picture");
    }

    void exportsSvg() {
        addQrCode();
        QVERIFY(window->exportSvg(path("label.svg")));
        QVERIFY(fileBytes(path("label.svg")).contains("<svg"));
    }

    // Every run of dark modules is a rectangle of its own in a black-filled path, so the code
    // stays sharp at any size; no picture of it is embedded.
    void svgExportDrawsTheCodeAsVectors() {
        const QString text = "KV0123456789ABCD";
        auto* qr = new QRCodeItem(QPoint(20, 20), window->scene());
        qr->setPlainText(text);
        QVERIFY(window->exportSvg(path("label.svg")));
        const SvgShapes shapes = svgShapes(fileBytes(path("label.svg")));
        QVERIFY2(shapes.error.isEmpty(), qPrintable(shapes.error));
        QCOMPARE(shapes.images, 0);
        QCOMPARE(shapes.blackFilledSubpaths,
                 subpathCount(QrCode::encode(text, qr->rect().width(), qr->rect().height())));
    }

    void exportOfABareNameTakesTheFormatsSuffix_data() {
        QTest::addColumn<int>("formatKey");
        QTest::addColumn<QString>("saved");
        QTest::newRow("first format, png") << 0 << "bare.png";
        QTest::newRow("last format, svg") << int(Qt::Key_End) << "bare.svg";
    }
    void exportOfABareNameTakesTheFormatsSuffix() {
        QFETCH(int, formatKey);
        QFETCH(QString, saved);
        addQrCode();
        ModalDriver<QFileDialog> driver([this, formatKey](QFileDialog* dialog) {
            if (formatKey) {
                QTest::keyClick(dialog->findChild<QComboBox*>("fileTypeCombo"), Qt::Key(formatKey));
            }
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(path("bare"));
            static_cast<QDialog*>(dialog)->accept();
        });
        MessageBoxAnswer failure(QMessageBox::Ok);
        window->fileExport();
        QVERIFY(driver.handled);
        QVERIFY2(!failure.shown(), qPrintable(failure.text));
        QVERIFY(!QFile::exists(path("bare")));
        QVERIFY(QFile::exists(path(saved)));
    }

    // The image is made whole in memory: a page and resolution beyond the budget are refused
    // with the resolution that fits, instead of asking for gigabytes.
    void rasterExportRefusesImagesBeyondTheBudget_data() {
        QTest::addColumn<QSizeF>("pageMM");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<QString>("fits");
        QTest::newRow("largest page at 4000 dpi") << QSizeF(500, 500) << 4000 << "504 dpi";
        QTest::newRow("largest page at 1200 dpi") << QSizeF(500, 500) << 1200 << "504 dpi";
        QTest::newRow("A3 at 4000 dpi") << QSizeF(297, 420) << 4000 << "648 dpi";
    }
    void rasterExportRefusesImagesBeyondTheBudget() {
        QFETCH(QSizeF, pageMM);
        QFETCH(int, dpi);
        QFETCH(QString, fits);
        Settings::instance().setPrintDPI(dpi);
        window->setPrinterPage(pageMM, dpi);
        addQrCode();
        MessageBoxAnswer answer(QMessageBox::Ok);
        QVERIFY(!window->exportImage(path("large.png")));
        QVERIFY(answer.shown());
        QVERIFY2(answer.text.contains(fits), qPrintable(answer.text));
        QVERIFY(!QFile::exists(path("large.png")));
    }

    void failedExportsWarn_data() {
        QTest::addColumn<QString>("target");
        QTest::newRow("no suffix") << "label";
        QTest::newRow("unknown suffix") << "label.xyz";
        QTest::newRow("png in a missing folder") << "missing/label.png";
        QTest::newRow("svg in a missing folder") << "missing/label.svg";
    }
    void failedExportsWarn() {
        QFETCH(QString, target);
        addQrCode();
        MessageBoxAnswer answer(QMessageBox::Ok);
        const QString file = path(target);
        const bool exported =
            file.endsWith(".svg") ? window->exportSvg(file) : window->exportImage(file);
        QVERIFY(!exported);
        QVERIFY(answer.shown());
        QCOMPARE(answer.text, QString("Failed to export: %1").arg(file));
    }

    void printWithoutPrinterWarnsInTheWindow() {
        addQrCode();
        MessageBoxAnswer answer(QMessageBox::Ok);
        QVERIFY(!window->filePrint());
        QVERIFY(answer.shown());
        QCOMPARE(answer.text, QString("No printer is available."));
    }

    void startWithoutADocumentGivesAnUnnamedOne() {
        for (const QString& stored : {QString(), QString("Unnamed")}) {
            addQrCode();
            window->setDirty(false);
            window->startWithFile(stored);
            QTRY_VERIFY(window->labelItems().isEmpty());
            QCOMPARE(window->windowFilePath(), QString());
        }
    }

    void startWithAMissingDocumentGivesAnUnnamedOne() {
        MessageBoxAnswer answer(QMessageBox::Ok);
        window->startWithFile(path("missing.tmq"));
        QTRY_VERIFY(answer.shown());
        QVERIFY2(answer.text.startsWith("Failed to open file: "), qPrintable(answer.text));
        QCOMPARE(window->windowFilePath(), QString());
        QCOMPARE(window->windowTitle(), QString("Sabbeth - V1.0.1.2 (Unnamed)"));
    }

private:
    QString path(const QString& name) const { return dir.filePath(name); }

    QAction* action(const char* name) const { return window->findChild<QAction*>(name); }

    QRCodeItem* addQrCode() {
        auto* qr = new QRCodeItem(QPoint(100, 100), window->scene());
        window->connectItem(qr);
        window->setDirty();
        return qr;
    }

    QTemporaryDir dir;
    Placeholder placeholder;
    std::unique_ptr<MainWindow> window;
};

LABELER_TEST_MAIN(WindowTest)
#include "test_window.moc"
