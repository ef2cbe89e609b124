// The label clipboard as other programs on an X11 display see it, checked with xclip: Delete
// cuts the selection and the records are offered under the label MIME type, and text copied in
// another program pastes as a text item. Runs on a private Xvfb display (xvfb-run).

#include <QAction>
#include <QClipboard>
#include <QMimeData>
#include <QProcess>
#include <memory>

#include "BoxItem.h"
#include "DocumentCodec.h"
#include "LabelerTest.h"
#include "MainWindow.h"
#include "QRCodeItem.h"
#include "TextItem.h"

namespace {
const int kXclipTimeoutMs = 5000;
}  // namespace

class X11ClipboardTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(QGuiApplication::platformName(), QString("xcb")); }

    void init() {
        window = std::make_unique<MainWindow>();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    void cleanup() {
        if (owner) {
            owner->kill();
            owner->waitForFinished(kXclipTimeoutMs);
            owner.reset();
        }
        window->setWindowModified(false);
        window.reset();
    }

    void deleteCutsOntoTheClipboardOfOtherPrograms() {
        auto* box = new BoxItem(QRect(10, 10, 90, 30), window->scene());
        window->connectItem(box);
        auto* qr = new QRCodeItem(QPoint(120, 10), window->scene());
        window->connectItem(qr);
        box->setSelected(true);
        QTest::keyClick(window->view(), Qt::Key_Delete);
        QVERIFY(window->labelItems().isEmpty());

        const QByteArray targets = xclipOutput({"-o", "-selection", "clipboard", "-t", "TARGETS"});
        QVERIFY2(targets.contains(DocumentCodec::kClipboardMimeType), targets.constData());
        const QByteArray records =
            xclipOutput({"-o", "-selection", "clipboard", "-t", DocumentCodec::kClipboardMimeType});
        QCOMPARE(records.left(4), QByteArray::fromHex("00010001"));
        QVERIFY(records.contains(QByteArray::fromHex("00010002")));

        // What went out comes back as the same two items.
        action("editPasteAction")->trigger();
        QCOMPARE(window->labelItems().size(), 2);
    }

    void copiesFromOtherProgramsPaste_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("pastable");
        QTest::addColumn<QString>("pastedText");
        QTest::newRow("plain text") << "UTF8_STRING" << QByteArray("from another program") << true
                                    << "from another program";
        QTest::newRow("html") << "text/html" << QByteArray("<i>slanted</i> words") << true
                              << "slanted words";
        QTest::newRow("picture only")
            << "image/png" << QByteArray("\x89PNG\r\n\x1a\n", 8) << false << "";
    }
    void copiesFromOtherProgramsPaste() {
        QFETCH(QString, target);
        QFETCH(QByteArray, data);
        QFETCH(bool, pastable);
        QFETCH(QString, pastedText);
        // The window's own copy first, so that the paste state has to follow the other program.
        auto* qr = new QRCodeItem(QPoint(10, 10), window->scene());
        window->connectItem(qr);
        action("editCopyAction")->trigger();
        QTRY_VERIFY(action("editPasteAction")->isEnabled());
        window->fileNew();

        owner = std::make_unique<QProcess>();
        owner->start("xclip", {"-quiet", "-i", "-selection", "clipboard", "-t", target});
        QVERIFY(owner->waitForStarted(kXclipTimeoutMs));
        owner->write(data);
        owner->closeWriteChannel();
        QTRY_VERIFY_WITH_TIMEOUT(
            !QApplication::clipboard()->mimeData()->hasFormat(DocumentCodec::kClipboardMimeType),
            kXclipTimeoutMs);
        QTRY_COMPARE(action("editPasteAction")->isEnabled(), pastable);
        action("editPasteAction")->trigger();
        const QList<QGraphicsItem*> items = window->labelItems();
        QCOMPARE(items.size(), pastable ? 1 : 0);
        if (pastable) {
            QCOMPARE(qgraphicsitem_cast<TextItem*>(items.first())->toPlainText(), pastedText);
        }
    }

private:
    QAction* action(const char* name) const { return window->findChild<QAction*>(name); }

    // Runs xclip while this program keeps serving its clipboard, and returns what it printed.
    QByteArray xclipOutput(const QStringList& arguments) {
        QProcess xclip;
        xclip.start("xclip", arguments);
        const bool done =
            xclip.waitForStarted(kXclipTimeoutMs) &&
            QTest::qWaitFor([&] { return xclip.state() == QProcess::NotRunning; }, kXclipTimeoutMs);
        return done ? xclip.readAllStandardOutput() : QByteArray();
    }

    std::unique_ptr<MainWindow> window;
    // An xclip that owns the clipboard until it is ended.
    std::unique_ptr<QProcess> owner;
};

LABELER_TEST_MAIN(X11ClipboardTest)
#include "x11_clipboard.moc"
