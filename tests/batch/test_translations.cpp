// The catalogues that the build puts beside the program: Tarnwick's own in Chinese (the
// default) and English, and Qt's, loaded by the settings object for the chosen language.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSettings>
#include <QTranslator>

#include "appsettings.h"
#include "qtprinters.h"

namespace {

class TranslationsTest : public testing::Test {
protected:
    void SetUp() override { QSettings().clear(); }
    void TearDown() override {
        for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>())
            delete translator;  // uninstalls it
    }
    // The build writes the catalogues into <bin>/translations, beside this test.
    AppSettings settings{QCoreApplication::applicationDirPath()};
};

}  // namespace

TEST_F(TranslationsTest, ChineseByDefault) {
    settings.installTranslators();
    EXPECT_EQ(QCoreApplication::translate("OperationForm", "Refresh"), "刷新");
    EXPECT_EQ(QCoreApplication::translate("MainWindow", "Ready", "main"), "就绪");
    EXPECT_EQ(QCoreApplication::translate(
                  "QObject",
                  "The audio decoder is not installed correctly. Please reinstall the program."),
              "音频解码器没有正确安装，请重新安装程序。");
    // Qt's own texts, such as the standard buttons, come from Qt's catalogue.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "取消");
}

TEST_F(TranslationsTest, EnglishWhenChosen) {
    settings.setLanguage(QLocale(QLocale::English));
    settings.installTranslators();
    EXPECT_EQ(QCoreApplication::translate("OperationForm", "Refresh"), "Refresh");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
}
