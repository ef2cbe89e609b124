// The JT/T 808 page against camsim: load, save of all ten keys, and what the form cannot
// show (host names, unknown plate colours) going back unchanged.
#include <QComboBox>
#include <QGroupBox>
#include <QJsonObject>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include "JT808Widget.h"
#include "ipaddress.h"
#include "modalhelper.h"
#include "page_camera.h"

namespace {

constexpr int kGet = 130;
constexpr int kSet = 131;
constexpr int kWaitMs = 20;

struct Page {
    explicit Page(PageCamera& camera) : widget(camera.session().data(), nullptr) {
        widget.setSaveWaitMs(kWaitMs);
        widget.show();
        QCoreApplication::processEvents();  // runs the queued load
    }
    template <typename T>
    T* child(const char* name) {
        return requireChild<T>(&widget, name);
    }
    void save() { child<QPushButton>("savePushButton")->click(); }
    JT808Widget widget;
};

QJsonObject platform(const QJsonValue& host, const QJsonValue& plateColor) {
    return {{"enabled", true},           {"server_host", host},
            {"server_port", 7000},       {"plate_number", "ABCDEFGHIJKL"},
            {"plate_color", plateColor}, {"terminal_id", "T1"},
            {"terminal_model", "M1"},    {"manufacturer_id", "F1"},
            {"province_id", 44},         {"city_id", 70000}};
}

}  // namespace

class Jt808PageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(NETSDK_Init(), 0); }
    void cleanupTestCase() { NETSDK_Cleanup(); }

    void loadFillsTheForm_data() {
        QTest::addColumn<QJsonValue>("plateColor");
        QTest::newRow("code as a number") << QJsonValue(92);
        QTest::newRow("code as text") << QJsonValue("92");
    }
    void loadFillsTheForm() {
        QFETCH(QJsonValue, plateColor);
        PageCamera camera;
        camera.session()->setJt808Config(QJsonDocument(platform("10.0.0.9", plateColor)));
        Page page(camera);
        QVERIFY(page.child<QGroupBox>("jt808GroupBox")->isChecked());
        QCOMPARE(page.child<IPAddress>("serverHostWidget")->getIP(), QString("10.0.0.9"));
        QCOMPARE(page.child<QSpinBox>("serverPortSpinBox")->value(), 7000);
        QCOMPARE(page.child<QLineEdit>("plateNumberLineEdit")->text(), QString("ABCDEFGHIJ"));
        QVERIFY(page.child<QComboBox>("plateColorComboBox")->currentText().startsWith("农绿牌\t"));
        QCOMPARE(page.child<QLineEdit>("terminalIdLineEdit")->text(), QString("T1"));
        QCOMPARE(page.child<QSpinBox>("provinceIdSpinBox")->value(), 44);
        QCOMPARE(page.child<QSpinBox>("cityIdSpinBox")->value(), 65535);
    }

    void saveSendsAllTenKeysAlsoWhenSwitchedOff() {
        PageCamera camera;
        camera.session()->setJt808Config(QJsonDocument(platform("10.0.0.9", 2)));
        Page page(camera);
        page.child<QGroupBox>("jt808GroupBox")->setChecked(false);
        page.child<IPAddress>("serverHostWidget")->setIP("192.168.1.20");
        page.child<QComboBox>("plateColorComboBox")->setCurrentIndex(9);
        page.save();
        const auto sets = camera.productJson(kSet);
        QCOMPARE(sets.size(), size_t(2));
        QJsonObject expected = platform("192.168.1.20", 9);
        expected["enabled"] = false;
        expected["plate_number"] = "ABCDEFGHIJ";
        expected["city_id"] = 65535;
        QCOMPARE(sets[1].object(), expected);
    }

    void whatTheFormCannotShowGoesBackUnchanged() {
        PageCamera camera;
        camera.session()->setJt808Config(QJsonDocument(platform("jt.example.net", "7")));
        Page page(camera);
        QCOMPARE(page.child<IPAddress>("serverHostWidget")->getIP(), QString());
        QCOMPARE(page.child<QComboBox>("plateColorComboBox")->currentText(), QString("7"));
        page.save();
        const auto sets = camera.productJson(kSet);
        QCOMPARE(sets.size(), size_t(2));
        QCOMPARE(sets[1].object().value("server_host"), QJsonValue("jt.example.net"));
        QCOMPARE(sets[1].object().value("plate_color"), QJsonValue("7"));
    }

    void anEmptiedAddressIsSentEmpty() {
        PageCamera camera;
        camera.session()->setJt808Config(QJsonDocument(platform("10.0.0.9", 2)));
        Page page(camera);
        page.child<IPAddress>("serverHostWidget")->clear();
        page.save();
        const auto sets = camera.productJson(kSet);
        QCOMPARE(sets.size(), size_t(2));
        QCOMPARE(sets[1].object().value("server_host"), QJsonValue(""));
    }

    void aPartialAddressIsRefusedAndNothingIsSent() {
        PageCamera camera;
        Page page(camera);
        page.child<QGroupBox>("jt808GroupBox")->setChecked(true);
        auto* firstOctet =
            page.child<IPAddress>("serverHostWidget")->findChild<QLineEdit*>("txtIP1");
        QVERIFY(firstOctet != nullptr);
        QTest::keyClicks(firstOctet, "192");
        const auto warning = answerNextModal<QMessageBox>([](QMessageBox* box) { box->accept(); });
        page.save();
        QVERIFY(warning->answered);
        QVERIFY(camera.productBodies(kSet).empty());
        QCOMPARE(page.child<IPAddress>("serverHostWidget")->getIP(), QString("192..."));
    }

    void anUnreadableReplyKeepsTheInitialForm() {
        PageCamera camera(R"("faults": {"http_status": {"product:130": 500}})");
        Page page(camera);
        QCOMPARE(camera.productBodies(kGet).size(), size_t(1));
        QVERIFY(!page.child<QGroupBox>("jt808GroupBox")->isChecked());
        QCOMPARE(page.child<QSpinBox>("serverPortSpinBox")->value(), 1);
        QCOMPARE(page.child<QComboBox>("plateColorComboBox")->currentIndex(), 0);
    }
};

QTEST_MAIN(Jt808PageTest)
#include "test_jt808_page.moc"
