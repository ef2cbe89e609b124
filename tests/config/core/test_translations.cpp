// Velmora's own catalogues, which the build puts into <bin>/translations beside this test,
// loaded for the language that Tarnwick's user chose. The tree must still open its pages
// when its titles are translated. Both catalogues carry every text of the sources, finished.
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QSettings>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <QTreeWidget>
#include <QXmlStreamReader>
#include <QtTest>

#include "netsdk.h"
#include "remote_config_dialog.h"
#include "startup.h"

namespace {

struct Entry {
    QString translation;
    bool finished = false;
};

// The messages of a .ts file by "context | source | comment"; vanished and obsolete ones
// are left out, since no source text asks for them.
QMap<QString, Entry> readCatalogue(const QString& path) {
    QMap<QString, Entry> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("cannot read %s", qPrintable(path));
        return entries;
    }
    QXmlStreamReader xml(&file);
    QString context, source, comment;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            source.clear();
            comment.clear();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("comment")) {
            comment = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value("type").toString();
            Entry entry;
            entry.translation = xml.readElementText();
            entry.finished = type.isEmpty() && !entry.translation.isEmpty();
            if (type != QLatin1String("vanished") && type != QLatin1String("obsolete")) {
                entries.insert(context + " | " + source + " | " + comment, entry);
            }
        }
    }
    return entries;
}

// Every translatable text of Velmora's sources, as lupdate finds it.
QStringList textsOfTheSources() {
    QTemporaryDir scratch;
    const QString scan = scratch.filePath("scan.ts");
    QProcess lupdate;
    lupdate.start(
        LUPDATE, {"-silent", "-locations", "none", QString(KIT_SOURCE_DIR "/config"), "-ts", scan});
    if (!lupdate.waitForFinished(60000) || lupdate.exitCode() != 0) {
        qWarning("lupdate failed: %s", lupdate.readAllStandardError().constData());
        return {};
    }
    return readCatalogue(scan).keys();
}

}  // namespace

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

    void everyTextIsTranslated_data() {
        QTest::addColumn<QString>("catalogue");
        QTest::newRow("Chinese") << "Velmora_zh_CN.ts";
        QTest::newRow("English") << "Velmora_en.ts";
    }
    void everyTextIsTranslated() {
        QFETCH(QString, catalogue);
        const QStringList texts = textsOfTheSources();
        QVERIFY(!texts.isEmpty());
        const QMap<QString, Entry> entries =
            readCatalogue(KIT_SOURCE_DIR "/config/core/translations/" + catalogue);
        QStringList missing;
        QStringList unfinished;
        for (const QString& text : texts) {
            if (!entries.contains(text)) {
                missing << text;
            } else if (!entries.value(text).finished) {
                unfinished << text;
            }
        }
        QVERIFY2(missing.isEmpty(), qPrintable("missing:\n" + missing.join('\n')));
        QVERIFY2(unfinished.isEmpty(), qPrintable("unfinished:\n" + unfinished.join('\n')));
    }
};

QTEST_MAIN(TranslationsTest)
#include "test_translations.moc"
