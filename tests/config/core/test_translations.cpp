// Velmora's own catalogues, which the build puts into <bin>/translations beside this test,
// loaded for the language that Tarnwick's user chose. The tree must still open its pages
// when its titles are translated.
#include <QSettings>
#include <QStackedWidget>
#include <QTranslator>
#include <QTreeWidget>
#include <QtTest>

#include "netsdk.h"
#include "remote_config_dialog.h"
#include "startup.h"

class TranslationsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QCOMPARE(NETSDK_Init(), 0);
        QCoreApplication::setOrganizationName("Pellandor");
        QCoreApplication::setApplicationName("Velmora");
    }
    void cleanupTestCase() { NETSDK_Cleanup(); }
    void init() { QSettings("Korvel", "Tarnwick").remove("Ui/Language"); }
    void cleanup() {
        for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>())
            delete translator;  // uninstalls it
    }

    void chineseByDefault() {
        installTranslation();
        QCOMPARE(QCoreApplication::translate("ZRSDKInstance", "Motion detection"),
                 QString("移动侦测"));
        QCOMPARE(QCoreApplication::translate("main", "IPC 远程配置"), QString("IPC 远程配置"));
    }

    void englishWhenTarnwickChoseIt() {
        QSettings("Korvel", "Tarnwick").setValue("Ui/Language", QLocale(QLocale::English));
        installTranslation();
        QCOMPARE(QCoreApplication::translate("main", "IPC 远程配置"),
                 QString("IPC remote configuration"));
        QCOMPARE(QCoreApplication::translate("LoginDialog", "登录 IPC"), QString("Log in to IPC"));
        QCOMPARE(QCoreApplication::translate("ZRSDKInstance", "Motion detection"),
                 QString("Motion detection"));

        // The translated tree still selects the built-in pages by their titles.
        RemoteConfigDialog dialog("10.0.0.1", nullptr);
        auto* tree = dialog.findChild<QTreeWidget*>("treeWidget");
        const auto items = tree->findItems("System time", Qt::MatchExactly | Qt::MatchRecursive);
        QCOMPARE(items.size(), 1);
        emit tree->itemClicked(items.front(), 0);
        QCOMPARE(dialog.findChild<QStackedWidget*>("stackedWidget")->currentIndex(),
                 int(RemoteConfigDialog::SystemTimePage));
    }
};

QTEST_MAIN(TranslationsTest)
#include "test_translations.moc"
