// Tarnwick's settings: the keys as they land in the store, defaults, the template copy on
// first start, the translators and the program paths. The store and the data folder are the
// test process's private XDG folders (qtgtestmain.cpp).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "appsettings.h"

namespace {

const QByteArray kTemplateBytes = "label template bytes";

class AppSettingsTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(applicationDir.isValid());
        QCoreApplication::setOrganizationName("Korvel");
        QCoreApplication::setApplicationName("Tarnwick");
        QSettings().clear();
        QDir(dataDir()).removeRecursively();
    }

    static QString dataDir() {
        return QStandardPaths::writableLocation(QStandardPaths::DataLocation);
    }
    static QString storeFile() {
        return QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + "/Korvel/Tarnwick.conf";
    }
    // The store as written on disk, once the settings object has gone.
    static QString storeText() {
        QSettings().sync();
        QFile file(storeFile());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    void placeTemplate() {
        QFile file(applicationDir.filePath("4x2.tmq"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(kTemplateBytes);
    }
    QString copiedTemplate() const { return dataDir() + "/4x2.tmq"; }

    QTemporaryDir applicationDir;
};

}  // namespace

TEST_F(AppSettingsTest, IdentityAndDefaults) {
    AppSettings settings(applicationDir.path());
    EXPECT_EQ(QCoreApplication::organizationName(), "Korvel");
    EXPECT_EQ(QCoreApplication::applicationName(), "Tarnwick");
    EXPECT_EQ(QCoreApplication::applicationVersion(), "2.0.2.2");
    EXPECT_EQ(settings.language(), QLocale(QLocale::Chinese, QLocale::AnyCountry));
    EXPECT_FALSE(settings.mainStreamPlay());
    EXPECT_EQ(settings.productName(), "VARLO");
    EXPECT_EQ(settings.searchTimeout(), 2);
    EXPECT_EQ(settings.templateFile(), "");
    EXPECT_EQ(AppSettings::languages(),
              (QList<QLocale>{QLocale(QLocale::English), QLocale(QLocale::Chinese)}));
}

TEST_F(AppSettingsTest, KeysAsWrittenInTheStore) {
    {
        AppSettings settings(applicationDir.path());
        settings.setLanguage(QLocale(QLocale::English));
        settings.setMainStreamPlay(true);
        settings.setSearchTimeout(7);
        QMainWindow window;
        window.setObjectName("MainWindow");
        settings.saveWindow(&window);
        settings.restoreWindow(&window);
    }
    const QString text = storeText();
    EXPECT_TRUE(text.contains("[General]\nMainStreamPlay=true\n")) << qPrintable(text);
    EXPECT_TRUE(text.contains("[Search]\nTimeout=7\n")) << qPrintable(text);
    EXPECT_TRUE(text.contains("[Ui]\nLanguage=@Variant(")) << qPrintable(text);
    EXPECT_TRUE(text.contains("[MainWindow]\ngeometry=@ByteArray(")) << qPrintable(text);
    EXPECT_TRUE(text.contains("\nwindowState=@ByteArray(")) << qPrintable(text);

    AppSettings reread(applicationDir.path());
    EXPECT_EQ(reread.language(), QLocale(QLocale::English));
    EXPECT_TRUE(reread.mainStreamPlay());
    EXPECT_EQ(reread.searchTimeout(), 7);
}

TEST_F(AppSettingsTest, SearchTimeoutAlwaysWithinRange) {
    const struct {
        QVariant stored;
        int expected;
    } cases[] = {
        {17, 17},   {1, 1},     {255, 255}, {0, 1},          {-4, 1},
        {300, 255}, {"12", 12}, {"abc", 2}, {QVariant(), 2},
    };
    AppSettings settings(applicationDir.path());
    for (const auto& row : cases) {
        QSettings().setValue("Search/Timeout", row.stored);
        EXPECT_EQ(settings.searchTimeout(), row.expected) << qPrintable(row.stored.toString());
    }
}

TEST_F(AppSettingsTest, FirstStartCopiesTemplateAndNamesIt) {
    placeTemplate();
    AppSettings settings(applicationDir.path());
    EXPECT_EQ(settings.templateFile(), copiedTemplate());
    QFile copy(copiedTemplate());
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), kTemplateBytes);
}

TEST_F(AppSettingsTest, LaterStartKeepsCopyAndRestoresLostKey) {
    placeTemplate();
    { AppSettings first(applicationDir.path()); }
    QSettings().setValue("Print/TemplateFile", "/somewhere/else.tmq");
    { AppSettings later(applicationDir.path()); }
    EXPECT_EQ(QSettings().value("Print/TemplateFile").toString(), "/somewhere/else.tmq");

    QSettings().remove("Print/TemplateFile");
    AppSettings afterLoss(applicationDir.path());
    EXPECT_EQ(afterLoss.templateFile(), copiedTemplate());
}

TEST_F(AppSettingsTest, NoTemplateBesideProgramLeavesKeyEmpty) {
    AppSettings settings(applicationDir.path());
    EXPECT_EQ(settings.templateFile(), "");
    EXPECT_FALSE(QFile::exists(copiedTemplate()));
    EXPECT_FALSE(QSettings().contains("Print/TemplateFile"));
}

TEST_F(AppSettingsTest, TranslatorsFollowTheChosenLanguage) {
    QDir(applicationDir.path()).mkpath("translations");
    ASSERT_TRUE(
        QFile::copy(PROBE_CATALOGUE, applicationDir.filePath("translations/Tarnwick_zh.qm")));
    AppSettings settings(applicationDir.path());

    settings.setLanguage(QLocale(QLocale::English));
    settings.installTranslators();
    EXPECT_EQ(QCoreApplication::translate("Probe", "Hello"), "Hello");

    QSettings().remove("Ui/Language");  // never chosen: Chinese
    settings.installTranslators();
    EXPECT_EQ(QCoreApplication::translate("Probe", "Hello"), QString::fromUtf8("你好"));
}

TEST_F(AppSettingsTest, ProgramPaths) {
    AppSettings settings(applicationDir.path());
    EXPECT_EQ(settings.playerProgram(), applicationDir.path() + "/Quorlin");
    EXPECT_EQ(settings.remoteConfigProgram(), applicationDir.path() + "/Velmora");
    EXPECT_EQ(settings.labelProgram(), "");

    QFile designer(applicationDir.filePath("Sabbeth"));
    ASSERT_TRUE(designer.open(QIODevice::WriteOnly));
    designer.close();
    EXPECT_EQ(settings.labelProgram(), "") << "present but not executable";
    designer.setPermissions(designer.permissions() | QFileDevice::ExeOwner);
    EXPECT_EQ(settings.labelProgram(), applicationDir.path() + "/Sabbeth");
}
