// Sabbeth's catalogues: each holds every text of the program, finished, and the catalogue that
// the build puts into <bin>/translations, beside this test, gives exactly that translation.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTranslator>
#include <QXmlStreamReader>

#include "LabelerTest.h"

namespace {

struct Message {
    QString context;
    QString source;
    QString comment;
    QString translation;
    // The translation's type: "unfinished", "vanished" or "obsolete" for one that is not done.
    QString state;

    QString key() const { return context + "|" + source + "|" + comment; }
};

QVector<Message> readCatalogue(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QVector<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            messages.append({context, {}, {}, {}, {}});
        } else if (xml.name() == QLatin1String("source")) {
            messages.last().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("comment")) {
            messages.last().comment = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            messages.last().state = xml.attributes().value("type").toString();
            messages.last().translation = xml.readElementText();
        }
    }
    return messages;
}

QSet<QString> keys(const QVector<Message>& messages) {
    QSet<QString> set;
    for (const Message& message : messages) {
        set.insert(message.key());
    }
    return set;
}

QString catalogueSource(const QString& language) {
    return QString(SABBETH_TRANSLATIONS_DIR "/Sabbeth_%1.ts").arg(language);
}

}  // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void everyTextIsTranslated_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("Chinese") << "zh_CN";
        QTest::newRow("English") << "en";
    }
    void everyTextIsTranslated() {
        QFETCH(QString, language);
        const QVector<Message> messages = readCatalogue(catalogueSource(language));
        QVERIFY(!messages.isEmpty());
        QTranslator built;
        QVERIFY(built.load("Sabbeth_" + language,
                           QCoreApplication::applicationDirPath() + "/translations"));
        for (const Message& message : messages) {
            const QByteArray where = message.key().toUtf8();
            QVERIFY2(message.state.isEmpty() && !message.translation.isEmpty(), where);
            QCOMPARE(built.translate(
                         message.context.toUtf8(), message.source.toUtf8(),
                         message.comment.isEmpty() ? nullptr : message.comment.toUtf8().data()),
                     message.translation);
        }
    }

    // A text added to the program without its translations is missing from the catalogues.
    void cataloguesHoldEveryTextOfTheProgram() {
        QTemporaryDir dir;
        const QString extracted = dir.filePath("Sabbeth.ts");
        QProcess lupdate;
        lupdate.start(LUPDATE_PROGRAM,
                      {"-silent", "-locations", "none", LABELER_SOURCE_DIR, "-ts", extracted});
        QVERIFY(lupdate.waitForFinished(60000));
        QCOMPARE(lupdate.exitCode(), 0);
        const QSet<QString> program = keys(readCatalogue(extracted));
        QVERIFY(!program.isEmpty());
        for (const QString& language : {QString("zh_CN"), QString("en")}) {
            QCOMPARE(keys(readCatalogue(catalogueSource(language))), program);
        }
    }
};

LABELER_TEST_MAIN(TranslationsTest)
#include "test_translations.moc"
