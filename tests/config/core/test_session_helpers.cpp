// The session's helpers that need no camera: the busy guard, the restore group, the
// picture geometry, the region colours and the capability tables.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTimeEdit>
#include <QtTest>

#include "capability_table.h"
#include "control_assignment_group.h"
#include "picture_geometry.h"
#include "region_colors.h"
#include "static_address_check.h"
#include "wait_for.h"

class SessionHelpersTest : public QObject {
    Q_OBJECT
private slots:
    // ---- WaitFor ----

    void waitCursorLastsAsLongAsTheGuardAndNests() {
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
        {
            WaitFor outer("outer", nullptr);
            QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
            {
                WaitFor inner("inner", nullptr);
                QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
            }
            QVERIFY(QGuiApplication::overrideCursor() != nullptr);
        }
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    void waitBlocksInWholeStepsAndLeavesNoDialog_data() {
        QTest::addColumn<int>("ms");
        QTest::addColumn<int>("atLeastMs");
        QTest::newRow("under one step: nothing to wait") << 5 << 0;
        QTest::newRow("one step, the remainder dropped") << 15 << 10;
        QTest::newRow("several steps") << 60 << 60;
        QTest::newRow("negative: nothing to wait") << -20 << 0;
    }
    void waitBlocksInWholeStepsAndLeavesNoDialog() {
        QFETCH(int, ms);
        QFETCH(int, atLeastMs);
        QWidget window;
        QElapsedTimer clock;
        clock.start();
        {
            WaitFor busy("正在设置IPC的时间，请稍后...", &window);
            busy.wait(ms);
            // Anywhere in the application, not only under the window: a dialog that outlived
            // the wait (leaked, parentless or left for a later deletion) would be seen here.
            for (QWidget* widget : QApplication::allWidgets()) {
                QVERIFY2(qobject_cast<QProgressDialog*>(widget) == nullptr,
                         qPrintable(widget->metaObject()->className()));
            }
            QVERIFY(QApplication::activeModalWidget() == nullptr);
        }
        QVERIFY(clock.elapsed() >= atLeastMs);
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    // The dialog tells the user at once why the window is busy, and the event loop keeps
    // running behind it (live pictures keep moving): a timer of the test fires meanwhile.
    void aWaitOfASecondShowsItsDialogAtOnce() {
        QWidget window;
        window.show();
        bool dialogSeen = false;
        int ticks = 0;
        QTimer probe;
        connect(&probe, &QTimer::timeout, [&] {
            ++ticks;
            auto* dialog = window.findChild<QProgressDialog*>();
            dialogSeen = dialogSeen || (dialog != nullptr && dialog->isVisible() &&
                                        dialog->windowModality() == Qt::WindowModal);
        });
        probe.start(50);
        WaitFor busy("正在配置遮挡侦测参数，请等待...", &window);
        busy.wait(1000);
        QVERIFY(dialogSeen);
        QVERIFY(ticks > 1);
    }

    // ---- ControlAssignmentGroup ----

    void restoreButtonPutsEveryRecordedValueBack() {
        QWidget page;
        auto* edit = new QLineEdit(&page);
        auto* spin = new QSpinBox(&page);
        auto* combo = new QComboBox(&page);
        combo->addItems({"a", "b", "c"});
        auto* doubleSpin = new QDoubleSpinBox(&page);
        auto* check = new QCheckBox(&page);
        auto* radio = new QRadioButton(&page);
        auto* group = new QGroupBox(&page);
        group->setCheckable(true);
        auto* slider = new QSlider(&page);
        slider->setRange(0, 100);
        auto* time = new QTimeEdit(&page);
        auto* restore = new QPushButton(&page);

        ControlAssignmentGroup defaults(&page);
        defaults.assignLineEdit(edit, "camera");
        defaults.assignSpinBox(spin, 7);
        defaults.assignComboBox(combo, 2);
        defaults.assignDoubleSpinBox(doubleSpin, 1.5);
        defaults.assignCheckBox(check, true);
        defaults.assignButton(radio, true);
        defaults.assignGroupBox(group, false);
        defaults.assignSlider(slider, 42);
        defaults.assignTimeEdit(time, QTime(6, 30));
        defaults.addButton(restore);

        QSignalSpy comboChanges(combo, QOverload<int>::of(&QComboBox::currentIndexChanged));
        restore->click();

        QCOMPARE(edit->text(), QString("camera"));
        QCOMPARE(spin->value(), 7);
        QCOMPARE(combo->currentIndex(), 2);
        QCOMPARE(doubleSpin->value(), 1.5);
        QVERIFY(check->isChecked());
        QVERIFY(radio->isChecked());
        QVERIFY(!group->isChecked());
        QCOMPARE(slider->value(), 42);
        QCOMPARE(time->time(), QTime(6, 30));
        // The page's own handlers see the restore as a change.
        QCOMPARE(comboChanges.count(), 1);
    }

    void laterRecordWinsAndOutOfRangeIndexSelectsNothing() {
        QWidget page;
        auto* spin = new QSpinBox(&page);
        auto* combo = new QComboBox(&page);
        combo->addItems({"a", "b"});
        ControlAssignmentGroup defaults(&page);
        defaults.assignSpinBox(spin, 3);
        defaults.assignSpinBox(spin, 9);
        defaults.assignComboBox(combo, 5);
        defaults.onButtonClicked();
        QCOMPARE(spin->value(), 9);
        QCOMPARE(combo->currentIndex(), -1);
    }

    // A page's change handlers set other controls (a light mode picks its light type), so
    // the restore must run in one fixed order: the order of assignment, across kinds.
    void restoreRunsInTheOrderOfAssignment() {
        QWidget page;
        QStringList restored;
        ControlAssignmentGroup defaults(&page);
        for (int i = 0; i < 12; ++i) {
            const QString name = QString::number(i);
            if (i % 3 == 0) {
                auto* spin = new QSpinBox(&page);
                connect(spin, QOverload<int>::of(&QSpinBox::valueChanged), &page,
                        [&restored, name] { restored << name; });
                defaults.assignSpinBox(spin, 5);
            } else if (i % 3 == 1) {
                auto* combo = new QComboBox(&page);
                combo->addItems({"a", "b"});
                connect(combo, QOverload<int>::of(&QComboBox::currentIndexChanged), &page,
                        [&restored, name] { restored << name; });
                defaults.assignComboBox(combo, 1);
            } else {
                auto* edit = new QLineEdit(&page);
                connect(edit, &QLineEdit::textChanged, &page,
                        [&restored, name] { restored << name; });
                defaults.assignLineEdit(edit, "x");
            }
        }
        defaults.onButtonClicked();
        QCOMPARE(restored,
                 (QStringList{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"}));
    }

    void emptyGroupChangesNothing() {
        QLineEdit edit("typed");
        ControlAssignmentGroup defaults(nullptr);
        defaults.onButtonClicked(true);
        QCOMPARE(edit.text(), QString("typed"));
    }

    void destroyedControlDropsOutOfTheGroup() {
        QWidget page;
        auto* doomed = new QLineEdit(&page);
        auto* kept = new QSpinBox(&page);
        ControlAssignmentGroup defaults(&page);
        defaults.assignLineEdit(doomed, "gone");
        defaults.assignSpinBox(kept, 4);
        delete doomed;
        defaults.onButtonClicked();  // must not touch the deleted edit
        QCOMPARE(kept->value(), 4);
    }

    // ---- Static address check ----

    void staticAddressCheckNamesTheFirstWrongField_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("gateway");
        QTest::addColumn<int>("field");
        const int none = int(StaticAddressField::None), address = int(StaticAddressField::Address),
                  mask = int(StaticAddressField::Mask), gateway = int(StaticAddressField::Gateway);
        const QString m24 = "255.255.255.0";
        QTest::newRow("usable") << "192.168.1.20" << m24 << "192.168.1.1" << none;
        QTest::newRow("no gateway typed") << "192.168.1.20" << m24 << "..." << none;
        QTest::newRow("gateway 0.0.0.0") << "192.168.1.20" << m24 << "0.0.0.0" << none;
        QTest::newRow("point-to-point /31") << "10.0.0.0"
                                            << "255.255.255.254"
                                            << "" << none;
        QTest::newRow("address empty") << "..." << m24 << "" << address;
        QTest::newRow("address partial") << "192.168.." << m24 << "" << address;
        QTest::newRow("address 0.0.0.0") << "0.0.0.0" << m24 << "" << address;
        QTest::newRow("address multicast") << "239.1.1.1" << m24 << "" << address;
        QTest::newRow("address broadcast") << "255.255.255.255" << m24 << "" << address;
        QTest::newRow("address reserved") << "240.0.0.9" << m24 << "" << address;
        QTest::newRow("address loopback") << "127.0.0.77" << m24 << "" << address;
        QTest::newRow("alone in a /32") << "192.168.1.20"
                                        << "255.255.255.255"
                                        << "" << address;
        QTest::newRow("address is the subnet") << "192.168.1.0" << m24 << "" << address;
        QTest::newRow("address is its broadcast") << "192.168.1.255" << m24 << "" << address;
        QTest::newRow("octet over 255") << "192.168.1.256" << m24 << "" << address;
        QTest::newRow("mask empty") << "192.168.1.20"
                                    << "..."
                                    << "" << mask;
        QTest::newRow("mask with a gap") << "192.168.1.20"
                                         << "255.255.0.255"
                                         << "" << mask;
        QTest::newRow("mask zero") << "192.168.1.20"
                                   << "0.0.0.0"
                                   << "" << mask;
        QTest::newRow("gateway elsewhere") << "192.168.1.20" << m24 << "192.168.2.1" << gateway;
        QTest::newRow("gateway partial") << "192.168.1.20" << m24 << "192.168.1." << gateway;
        QTest::newRow("gateway is the address")
            << "192.168.1.20" << m24 << "192.168.1.20" << gateway;
        QTest::newRow("gateway is the broadcast")
            << "192.168.1.20" << m24 << "192.168.1.255" << gateway;
        QTest::newRow("gateway loopback") << "100.0.0.9"
                                          << "128.0.0.0"
                                          << "127.0.0.1" << gateway;
    }
    void staticAddressCheckNamesTheFirstWrongField() {
        QFETCH(QString, address);
        QFETCH(QString, mask);
        QFETCH(QString, gateway);
        QTEST(int(invalidStaticAddressField(address, mask, gateway)), "field");
    }

    // ---- Picture geometry ----

    void percentAndPixelsMapThroughTheDrawnPicture_data() {
        QTest::addColumn<QSize>("view");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QPointF>("percent");
        QTest::addColumn<QPoint>("pixel");
        // 400 x 300 view, 16:9 picture: drawn 400 x 225 with bars of 37.5 above and below.
        QTest::newRow("bars above and below, centre")
            << QSize(400, 300) << QSize(640, 360) << QPointF(50, 50) << QPoint(200, 150);
        QTest::newRow("bars above and below, corner")
            << QSize(400, 300) << QSize(640, 360) << QPointF(100, 100) << QPoint(400, 262);
        // 400 x 100 view: drawn 177.8 x 100 with bars of 111.1 left and right.
        QTest::newRow("bars left and right, origin")
            << QSize(400, 100) << QSize(640, 360) << QPointF(0, 0) << QPoint(111, 0);
        QTest::newRow("bars left and right, corner")
            << QSize(400, 100) << QSize(640, 360) << QPointF(100, 100) << QPoint(288, 100);
        QTest::newRow("on the bar, truncated toward zero")
            << QSize(400, 100) << QSize(640, 360) << QPointF(-70, 0) << QPoint(-13, 0);
        QTest::newRow("same aspect: no bars")
            << QSize(320, 180) << QSize(640, 360) << QPointF(50, 50) << QPoint(160, 90);
        QTest::newRow("empty picture maps to the origin")
            << QSize(320, 180) << QSize(0, 0) << QPointF(50, 50) << QPoint(0, 0);
    }
    void percentAndPixelsMapThroughTheDrawnPicture() {
        QFETCH(QSize, view);
        QFETCH(QSize, picture);
        QFETCH(QPointF, percent);
        QFETCH(QPoint, pixel);
        QWidget widget;
        widget.resize(view);
        QCOMPARE(mapPercentToWidget(&widget, picture, percent), pixel);
    }

    void pixelsMapBackToPercentUnclamped() {
        QWidget widget;
        widget.resize(400, 300);
        const QSize picture(640, 360);
        QCOMPARE(mapWidgetToPercent(&widget, picture, QPoint(200, 150)), QPointF(50, 50));
        // The top bar lies above the picture: a negative percent.
        const QPointF onBar = mapWidgetToPercent(&widget, picture, QPoint(0, 0));
        QCOMPARE(onBar.x(), 0.0);
        QVERIFY(qFuzzyCompare(onBar.y(), -37.5 * 100 / 225));
        widget.resize(400, 100);
        const QPointF leftBar = mapWidgetToPercent(&widget, picture, QPoint(0, 50));
        QVERIFY(leftBar.x() < 0);
        QCOMPARE(leftBar.y(), 50.0);
        widget.resize(0, 0);
        QCOMPARE(mapWidgetToPercent(&widget, picture, QPoint(5, 5)), QPointF(0, 0));
    }

    // ---- Region colours ----

    void regionColoursFollowTheRegionNumber() {
        QCOMPARE(regionColors, (QVector<QColor>{QColor(Qt::blue), QColor(Qt::magenta),
                                                QColor(Qt::yellow), QColor(Qt::green)}));
    }

    // ---- Capability tables ----

    void capabilityLinesNeedExactlyTwoParts_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("label trimmed, CR dropped")
            << QByteArray("ptz, Cloud station\r\n") << QStringList{"ptz"}
            << QStringList{"Cloud station"};
        QTest::newRow("nothing before the comma")
            << QByteArray(",label\r\n") << QStringList{} << QStringList{};
        QTest::newRow("nothing after the comma")
            << QByteArray("key,\n") << QStringList{} << QStringList{};
        QTest::newRow("two commas") << QByteArray("a,b,c\r\n") << QStringList{} << QStringList{};
        QTest::newRow("space before the key stays")
            << QByteArray(" wifi,WiFi\r\n") << QStringList{" wifi"} << QStringList{"WiFi"};
        QTest::newRow("later line wins")
            << QByteArray("af,Zoom\r\naf,变焦\r\n") << QStringList{"af"} << QStringList{"变焦"};
        QTest::newRow("last line without an end")
            << QByteArray("gps,GPS") << QStringList{"gps"} << QStringList{"GPS"};
    }
    void capabilityLinesNeedExactlyTwoParts() {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, keys);
        QFETCH(QStringList, labels);
        const QHash<QString, QString> table = capability_table::parse(text);
        QCOMPARE(table.size(), keys.size());
        for (int i = 0; i < keys.size(); ++i) {
            QCOMPARE(table.value(keys.at(i)), labels.at(i));
        }
    }

    void programCarriesChineseAndEnglishTables() {
        const auto chinese = capability_table::load(QLocale(QLocale::Chinese, QLocale::AnyCountry));
        const auto english =
            capability_table::load(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(chinese.size(), 30);
        QCOMPARE(english.size(), 30);
        QCOMPARE(chinese.value("ptz"), QString("云台"));
        QCOMPARE(english.value("ptz"), QString("Cloud station"));
        QCOMPARE(english.value("motion_detect"), QString("Indicates motion detection"));
        QStringList chineseKeys = chinese.keys();
        QStringList englishKeys = english.keys();
        chineseKeys.sort();
        englishKeys.sort();
        QCOMPARE(chineseKeys, englishKeys);
        QVERIFY(capability_table::load(QLocale(QLocale::German, QLocale::Germany)).isEmpty());
    }
};

QTEST_MAIN(SessionHelpersTest)
#include "test_session_helpers.moc"
