// The tree entries of the widget pages open their pages, made on first use for the session.
#include <QStackedWidget>
#include <QTreeWidget>
#include <QtTest>

#include "video_page_fixture.h"

class WidgetPagesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(NETSDK_Init(), 0); }
    void cleanupTestCase() { NETSDK_Cleanup(); }

    void treeEntriesOpenTheirPages_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("pageClass");
        QTest::newRow("accounts") << "用户管理"
                                  << "AccountManager";
        QTest::newRow("alarm notification") << "告警通知"
                                            << "AlarmNotificationWidget";
        QTest::newRow("record configuration") << "基本配置"
                                              << "RecordConfigWidget";
        QTest::newRow("record schedule") << "定时录像"
                                         << "RecordScheduleWidget";
        QTest::newRow("motion detection") << "移动侦测"
                                          << "MotionDetectionWidget";
        QTest::newRow("cover detection") << "遮挡侦测"
                                         << "CoverDetectionWidget";
        QTest::newRow("JT/T 808") << "JT808设置"
                                  << "JT808Widget";
        QTest::newRow("RTMP") << "RTMP设置"
                              << "RtmpClientWidget";
        QTest::newRow("video capture") << "视频采集设置"
                                       << "VideoISPConfigWidget";
    }
    void treeEntriesOpenTheirPages() {
        QFETCH(QString, title);
        QFETCH(QString, pageClass);
        DialogOnCamera camera;
        QVERIFY(camera.loggedIn());
        auto* tree = camera.widget<QTreeWidget>("treeWidget");
        const auto items = tree->findItems(title, Qt::MatchExactly | Qt::MatchRecursive);
        QCOMPARE(items.size(), 1);
        emit tree->itemClicked(items.front(), 0);
        auto* stack = camera.widget<QStackedWidget>("stackedWidget");
        QCOMPARE(stack->currentIndex(), int(RemoteConfigDialog::BuiltInPageCount));
        QCOMPARE(QString(stack->currentWidget()->metaObject()->className()), pageClass);
    }
};

QTEST_MAIN(WidgetPagesTest)
#include "test_widget_pages.moc"
