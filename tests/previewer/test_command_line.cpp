// The command line's connection record and the language the batch program chose.
#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "command_line.h"
#include "translations.h"

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(settingsHome_.isValid());
        qputenv("XDG_CONFIG_HOME", settingsHome_.path().toLocal8Bit());
        QCoreApplication::setApplicationName("Quorlin");
    }

    void fillsTheConnectionRecord_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("ip");  // empty for a null address
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<int>("port");
        QTest::addColumn<int>("stream");
        QTest::newRow("defaults") << QStringList() << ""
                                  << "admin"
                                  << "" << 80 << 0;
        QTest::newRow("everything")
            << QStringList{"-i", "10.1.2.3", "-u", "root", "-p", "secret", "-t", "8080", "-s", "1"}
            << "10.1.2.3"
            << "root"
            << "secret" << 8080 << 1;
        QTest::newRow("long names and --debug")
            << QStringList{"--debug", "--ip",   "10.1.2.4", "--user",   "u", "--password",
                           "pw",      "--port", "81",       "--stream", "1", "--fullscreen"}
            << "10.1.2.4"
            << "u"
            << "pw" << 81 << 1;
        QTest::newRow("numbers that are not numbers")
            << QStringList{"-i", "10.1.2.3", "-t", "eighty", "-s", "x"} << "10.1.2.3"
            << "admin"
            << "" << 0 << 0;
        QTest::newRow("not an address") << QStringList{"-i", "camera.local"} << ""
                                        << "admin"
                                        << "" << 80 << 0;
        QTest::newRow("IPv6 is no address") << QStringList{"-i", "fe80::1234:5678:9abc:def0"} << ""
                                            << "admin"
                                            << "" << 80 << 0;
        QTest::newRow("IPv6 loopback is no address") << QStringList{"-i", "::1"} << ""
                                                     << "admin"
                                                     << "" << 80 << 0;
    }
    void fillsTheConnectionRecord() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, ip);
        QCommandLineParser parser;
        command_line::addOptions(parser);
        QVERIFY(parser.parse(QStringList{"Quorlin"} + arguments));
        const DeviceParams p = command_line::deviceParams(parser);
        QCOMPARE(p.ip.isNull(), ip.isEmpty());
        if (!ip.isEmpty()) {
            QCOMPARE(p.ip.toString(), ip);
        }
        QTEST(p.user, "user");
        QTEST(p.password, "password");
        QTEST(p.port, "port");
        QTEST(p.stream, "stream");
        QCOMPARE(p.streamPort, 1680);
    }

    void refusesLoginTextsThatTheSdkWouldCut_data() {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("problem");  // empty when the login may go ahead
        const QString longest(63, 'x');
        const QString tooLong(64, 'x');
        QTest::newRow("both as long as a field holds") << longest << longest << "";
        QTest::newRow("user name one byte too long") << tooLong << "pw"
                                                     << "The user name is longer than 63 bytes";
        QTest::newRow("password one byte too long")
            << "admin" << tooLong << "The password is longer than 63 bytes";
    }
    void refusesLoginTextsThatTheSdkWouldCut() {
        QFETCH(QString, user);
        QFETCH(QString, password);
        QCommandLineParser parser;
        command_line::addOptions(parser);
        QVERIFY(parser.parse({"Quorlin", "-i", "10.1.2.3", "-u", user, "-p", password}));
        const DeviceParams p = command_line::deviceParams(parser);
        QCOMPARE(p.user, user);  // nothing cut on the way
        QCOMPARE(p.password, password);
        QTEST(loginTextProblem(p), "problem");
    }

    void listsTheOptionsInOrderWithTheirTexts() {
        QCommandLineParser parser;
        command_line::addOptions(parser);
        const QString help = parser.helpText();
        const char* const lines[] = {"--help",
                                     "--version",
                                     "--debug  ",
                                     "-i, --ip <ip>  ",
                                     "-u, --user <user>  ",
                                     "-p, --password <password>  ",
                                     "-t, --port <port>  ",
                                     "-f, --fullscreen  ",
                                     "-s, --stream <stream>  "};
        int previous = -1;
        for (const char* line : lines) {
            const int at = help.indexOf(line);
            QVERIFY2(at > previous, line);
            previous = at;
        }
        for (const char* text : {"Enable the debug mode.", "Open the ip address", "User Name",
                                 "User login password", "Session port", "Enable play in fullscreen",
                                 "Stream id, main stream or sub stream"}) {
            QVERIFY2(help.contains(text), text);
        }
    }

    void followsTheBatchProgramsLanguage_data() {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("none");
        QTest::newRow("nothing stored: Chinese") << QVariant() << QString("无");
        QTest::newRow("Chinese") << QVariant(QLocale(QLocale::Chinese, QLocale::China))
                                 << QString("无");
        QTest::newRow("English") << QVariant(QLocale(QLocale::English, QLocale::UnitedStates))
                                 << QString("None");
    }
    void followsTheBatchProgramsLanguage() {
        QFETCH(QVariant, stored);
        QFETCH(QString, none);
        {
            QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Korvel", "Tarnwick");
            if (stored.isValid()) {
                settings.setValue("Ui/Language", stored);
            } else {
                settings.remove("Ui/Language");
            }
        }
        translations::install(*QCoreApplication::instance(), translations::chosenLanguage());
        QCOMPARE(QCoreApplication::translate("MainWindow", "None"), none);
        for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }

private:
    QTemporaryDir settingsHome_;
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "test_command_line.moc"
