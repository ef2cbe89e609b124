#include "startup.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>
#include <QMessageBox>
#include <QSettings>
#include <QTranslator>

#include "remote_config_dialog.h"

LoginOptions readCommandLine(QCommandLineParser& parser, const QStringList& arguments) {
    parser.setApplicationDescription(QCoreApplication::translate("main", "IPC 远程配置"));
    parser.addHelpOption();
    parser.addVersionOption();
    // Descriptions and value names are marked for the catalogues where they are written and
    // translated here.
    const auto option = [](const char* shortName, const char* longName, const char* description,
                           const char* valueName, const QString& fallback) {
        return QCommandLineOption({shortName, longName},
                                  QCoreApplication::translate("main", description),
                                  QCoreApplication::translate("main", valueName), fallback);
    };
    const QCommandLineOption ip =
        option("i", "ip", QT_TRANSLATE_NOOP("main", "目标 IPC 的 IP 地址，多个地址用';'分割"),
               QT_TRANSLATE_NOOP("main", "ip"), QString());
    const QCommandLineOption user = option("u", "user", QT_TRANSLATE_NOOP("main", "登录用户名"),
                                           QT_TRANSLATE_NOOP("main", "user"), QString());
    const QCommandLineOption password =
        option("p", "password", QT_TRANSLATE_NOOP("main", "登录密码"),
               QT_TRANSLATE_NOOP("main", "password"), QString());
    const QCommandLineOption session =
        option("s", "session", QT_TRANSLATE_NOOP("main", "登录 IPC 的会话端口"),
               QT_TRANSLATE_NOOP("main", "session port"), "80");
    const QCommandLineOption stream =
        option("e", "stream", QT_TRANSLATE_NOOP("main", "登录 IPC 的流端口"),
               QT_TRANSLATE_NOOP("main", "stream port"), "1680");
    parser.addOptions({ip, user, password, session, stream});
    parser.process(arguments);

    LoginOptions options;
    options.ip = parser.value(ip);
    options.user = parser.value(user);
    options.password = parser.value(password);
    // Not a decimal number: port 0, which the camera refuses like a wrong password.
    options.sessionPort = parser.value(session).toInt();
    options.streamPort = parser.value(stream).toInt();
    return options;
}

void installTranslation() {
    QSettings tarnwick("Korvel", "Tarnwick");
    const QLocale locale =
        tarnwick.value("Ui/Language", QLocale(QLocale::Chinese, QLocale::AnyCountry)).toLocale();
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, QCoreApplication::applicationName(), "_",
                         QCoreApplication::applicationDirPath() + "/translations")) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

int runConfiguration(const LoginOptions& options, const std::function<void(QWidget*)>& activate) {
    if (options.ip.isEmpty()) {
        QMessageBox::information(
            nullptr, QCoreApplication::translate("main", "IPC 远程配置"),
            QCoreApplication::translate("main",
                                        "请在执行程序后面加上目标IPC的IP地址，\n例如：%1 -i "
                                        "192.168.1.1")
                .arg(QCoreApplication::applicationName()),
            QMessageBox::Ok);
        return kExitNormal;
    }
    const QByteArray address = options.ip.toLocal8Bit();
    qInfo("Try Opening %s ...", address.constData());
    RemoteConfigDialog dialog(options.ip, nullptr);
    if (!dialog.login(options.user, options.password, options.sessionPort, options.streamPort)) {
        QMessageBox::warning(
            &dialog, dialog.windowTitle(),
            QCoreApplication::translate(
                "main", "登录IPC %1 失败，请检查设备是否连接正常，用户名和密码是否正确")
                .arg(options.ip),
            QMessageBox::Ok);
        qWarning("Login %s failed!", address.constData());
        return kExitLoginFailed;
    }
    qInfo("Successfully logged in %s ...", address.constData());
    if (activate) {
        activate(&dialog);
    }
    const int result = dialog.exec();
    dialog.logout();
    return result;
}
