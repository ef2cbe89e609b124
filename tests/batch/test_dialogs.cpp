// The modify-IP and option dialogs on the real widgets: prefill, what they read back and
// which keys Ok writes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include "appsettings.h"
#include "ipaddress.h"
#include "modifyipdialog.h"
#include "optiondialog.h"
#include "qtprinters.h"

namespace {

QLineEdit* octet(QWidget* dialog, const char* editor, int number) {
    return dialog->findChild<IPAddress*>(editor)->findChild<QLineEdit*>(
        QStringLiteral("txtIP%1").arg(number));
}

class ModifyIPDialogTest : public testing::Test {
protected:
    void SetUp() override {
        dialog.setAddress(QHostAddress("192.168.1.77"));
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }
    QString address(const char* editor) { return dialog.findChild<IPAddress*>(editor)->getIP(); }

    ModifyIPDialog dialog;
};

}  // namespace

TEST_F(ModifyIPDialogTest, PrefillsFromTheDevice) {
    EXPECT_EQ(dialog.windowTitle(), "Set IP");
    EXPECT_EQ(address("ipLineEdit"), "192.168.1.77");
    EXPECT_EQ(address("subnetMaskLineEdit"), "255.255.255.0");
    EXPECT_EQ(address("gatewayLineEdit"), "192.168.1.1");
    EXPECT_EQ(QApplication::focusWidget(), octet(&dialog, "ipLineEdit", 4));
    EXPECT_TRUE(dialog.findChild<QRadioButton*>("startIPRadioButton")->isChecked());
}

TEST_F(ModifyIPDialogTest, ReadsTheSettingBack) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), "90");
    dialog.findChild<QRadioButton*>("sameIPRadioButton")->setChecked(true);
    IPSetting setting;
    ASSERT_TRUE(dialog.ipSetting(setting));
    EXPECT_EQ(setting.ip, QHostAddress("192.168.1.90"));
    EXPECT_EQ(setting.mask, QHostAddress("255.255.255.0"));
    EXPECT_EQ(setting.gateway, QHostAddress("192.168.1.1"));
    EXPECT_TRUE(setting.sameIP);
}

TEST_F(ModifyIPDialogTest, LeadingZerosReadAsDecimal) {
    octet(&dialog, "ipLineEdit", 3)->setText("08");
    octet(&dialog, "gatewayLineEdit", 3)->setText("09");
    IPSetting setting;
    ASSERT_TRUE(dialog.ipSetting(setting));
    EXPECT_EQ(setting.ip, QHostAddress("192.168.8.77"));
    EXPECT_EQ(setting.gateway, QHostAddress("192.168.9.1"));
    EXPECT_FALSE(setting.sameIP);
}

TEST_F(ModifyIPDialogTest, AnIncompleteEditorGivesNoSetting) {
    const struct {
        const char* editor;
        int box;
    } cases[] = {{"ipLineEdit", 1}, {"subnetMaskLineEdit", 2}, {"gatewayLineEdit", 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.editor);
        ModifyIPDialog fresh;
        fresh.setAddress(QHostAddress("10.1.2.3"));
        octet(&fresh, c.editor, c.box)->clear();
        IPSetting setting;
        EXPECT_FALSE(fresh.ipSetting(setting));
    }
}

namespace {

class OptionDialogTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(applicationDir.isValid());
        settings = std::make_unique<AppSettings>(applicationDir.path());
        QSettings().clear();
    }
    QComboBox* languages(OptionDialog& dialog) {
        return dialog.findChild<QComboBox*>("languageComboBox");
    }
    QSpinBox* timeout(OptionDialog& dialog) {
        return dialog.findChild<QSpinBox*>("searchTimeoutsSpinBox");
    }

    QTemporaryDir applicationDir;
    std::unique_ptr<AppSettings> settings;
};

}  // namespace

TEST_F(OptionDialogTest, ShowsTheStoredSettings) {
    OptionDialog dialog(*settings);
    dialog.show();
    ASSERT_EQ(languages(dialog)->count(), 2);
    EXPECT_EQ(languages(dialog)->itemText(0), "English");
    EXPECT_EQ(languages(dialog)->itemText(1), "Chinese");
    EXPECT_EQ(languages(dialog)->currentIndex(), 1);  // Chinese is the default
    EXPECT_EQ(timeout(dialog)->value(), 2);
    EXPECT_EQ(timeout(dialog)->minimum(), 1);
    EXPECT_EQ(timeout(dialog)->maximum(), 255);
    for (const char* hidden :
         {"sessionPortLabel", "sessionPortSpinBox", "streamPortLabel", "streamPortSpinBox"}) {
        EXPECT_FALSE(dialog.findChild<QWidget*>(hidden)->isVisible()) << hidden;
    }
}

TEST_F(OptionDialogTest, OkStoresLanguageAndTimeoutOnly) {
    OptionDialog dialog(*settings);
    languages(dialog)->setCurrentIndex(0);
    timeout(dialog)->setValue(7);
    dialog.findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(settings->language(), QLocale(QLocale::English));
    EXPECT_EQ(settings->searchTimeout(), 7);
    QStringList keys = QSettings().allKeys();
    keys.sort();
    EXPECT_EQ(keys, QStringList({"Search/Timeout", "Ui/Language"}));
}

TEST_F(OptionDialogTest, CancelStoresNothing) {
    OptionDialog dialog(*settings);
    timeout(dialog)->setValue(9);
    dialog.findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Cancel)->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(QSettings().allKeys().isEmpty());
}

TEST_F(OptionDialogTest, AnotherStoredLanguageShowsAndStoresEnglish) {
    settings->setLanguage(QLocale(QLocale::German));
    OptionDialog dialog(*settings);
    EXPECT_EQ(languages(dialog)->currentIndex(), 0);
    dialog.accept();
    EXPECT_EQ(settings->language(), QLocale(QLocale::English));
}
