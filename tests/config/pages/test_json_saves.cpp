// The pages that save through JSON commands against camsim: a save the camera refuses is
// shown as a failure (no success wait), and no body of a command reaches the log.
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QtTest>
#include <functional>

#include "JT808Widget.h"
#include "RecordConfigWidget.h"
#include "RecordScheduleWidget.h"
#include "RtmpClientWidget.h"
#include "page_camera.h"

namespace {

using PageMaker = std::function<QWidget*(const QSharedPointer<ZRSDKInstance>&)>;

// The wait a page holds after a save; short, so that a wrong wait costs the test little.
constexpr int kWaitMs = 50;

QWidget* jt808Page(const QSharedPointer<ZRSDKInstance>& session) {
    auto* page = new JT808Widget(session.data(), nullptr);
    page->setSaveWaitMs(kWaitMs);
    return page;
}

QWidget* rtmpPage(const QSharedPointer<ZRSDKInstance>& session) {
    auto* page = new RtmpClientWidget(session.data(), nullptr);
    page->setSaveWaitMs(kWaitMs);
    return page;
}

QWidget* recordPage(const QSharedPointer<ZRSDKInstance>& session) {
    return new RecordConfigWidget(session, nullptr);
}

QWidget* schedulePage(const QSharedPointer<ZRSDKInstance>& session) {
    return new RecordScheduleWidget(session, nullptr);
}

// Notes whether a progress dialog (a success wait) ever sits on the page while it lives.
class ProgressWatch : public QObject {
public:
    explicit ProgressWatch(QWidget* page) {
        connect(&timer_, &QTimer::timeout, this,
                [this, page] { seen = seen || page->findChild<QProgressDialog*>() != nullptr; });
        timer_.start(1);
    }
    bool seen = false;

private:
    QTimer timer_;
};

// Every message logged while it lives.
class LogCapture {
public:
    LogCapture() { previous_ = qInstallMessageHandler(&LogCapture::keep); }
    ~LogCapture() { qInstallMessageHandler(previous_); }
    static QStringList lines;

private:
    static void keep(QtMsgType, const QMessageLogContext&, const QString& text) { lines << text; }
    QtMessageHandler previous_;
};
QStringList LogCapture::lines;

}  // namespace

Q_DECLARE_METATYPE(PageMaker)

class JsonSavesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(NETSDK_Init(), 0); }
    void cleanupTestCase() { NETSDK_Cleanup(); }

    void refusedSaveShowsAFailureAndNoWait_data() {
        QTest::addColumn<PageMaker>("makePage");
        QTest::addColumn<int>("setCommand");
        QTest::newRow("JT/T 808") << PageMaker(jt808Page) << 131;
        QTest::newRow("RTMP") << PageMaker(rtmpPage) << 151;
        QTest::newRow("recording") << PageMaker(recordPage) << 53;
        QTest::newRow("schedule") << PageMaker(schedulePage) << 56;
    }
    void refusedSaveShowsAFailureAndNoWait() {
        QFETCH(PageMaker, makePage);
        QFETCH(int, setCommand);
        PageCamera camera(R"("faults": {"http_status": {"product:)" + std::to_string(setCommand) +
                          R"(": 500}})");
        std::unique_ptr<QWidget> page(makePage(camera.session()));
        page->show();
        settle();  // runs the queued load
        ProgressWatch progress(page.get());
        QString warning;
        whenModal([&warning](QWidget* box) {
            warning = box->windowTitle();
            qobject_cast<QMessageBox*>(box)->accept();
        });
        page->findChild<QPushButton*>("savePushButton")->click();
        QCOMPARE(warning, QString("保存失败"));
        QVERIFY(!progress.seen);
    }

    void logCarriesTheCommandNotTheBodies() {
        PageCamera camera(
            R"("product_settings": {"rtmp": {"enabled": true, "stream_type": 0,
                "remote_host": "push.example.net", "remote_port": 1935, "app_name": "live",
                "stream_id": "cam7?wsSecret=HUSH1234"}})");
        LogCapture log;
        std::unique_ptr<QWidget> page(rtmpPage(camera.session()));
        settle();
        page->findChild<QPushButton*>("savePushButton")->click();
        const QString logged = LogCapture::lines.join('\n');
        QVERIFY2(!logged.contains("HUSH1234"), qPrintable(logged));
        QVERIFY2(!logged.contains("push.example.net"), qPrintable(logged));
        QVERIFY2(logged.contains("151"), qPrintable(logged));
    }
};

QTEST_MAIN(JsonSavesTest)
#include "test_json_saves.moc"
