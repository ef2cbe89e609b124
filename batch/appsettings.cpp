#include "appsettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QStandardPaths>
#include <QTranslator>

namespace {

const char kOrganisation[] = "Korvel";
const char kApplication[] = "Tarnwick";
const char kVersion[] = "2.0.2.2";
const char kTemplateName[] = "4x2.tmq";

const char kLanguageKey[] = "Ui/Language";
const char kMainStreamPlayKey[] = "MainStreamPlay";
const char kTemplateFileKey[] = "Print/TemplateFile";
const char kProductNameKey[] = "Ui/ProductName";
const char kSearchTimeoutKey[] = "Search/Timeout";
const char kGeometryKey[] = "geometry";
const char kWindowStateKey[] = "windowState";

const char kDefaultProductName[] = "VARLO";
constexpr int kDefaultSearchTimeout = 2;
// The options dialog offers this range; a hand-edited store may hold anything.
constexpr int kMinSearchTimeout = 1;
constexpr int kMaxSearchTimeout = 255;

}  // namespace

AppSettings& AppSettings::instance() {
    static AppSettings settings(QCoreApplication::applicationDirPath());
    return settings;
}

AppSettings::AppSettings(const QString& applicationDir) : applicationDir(applicationDir) {
    QCoreApplication::setOrganizationName(QString::fromLatin1(kOrganisation));
    QCoreApplication::setApplicationName(QString::fromLatin1(kApplication));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    settings = std::make_unique<QSettings>();
    copyLabelTemplate();
}

AppSettings::~AppSettings() = default;

void AppSettings::copyLabelTemplate() {
    const QDir dataDir(QStandardPaths::writableLocation(QStandardPaths::DataLocation));
    if (!dataDir.exists() && !dataDir.mkpath(dataDir.path()))
        return;
    const QString target = dataDir.filePath(QString::fromLatin1(kTemplateName));
    const bool present =
        QFile::exists(target) ||
        QFile::copy(applicationDir + QLatin1Char('/') + QString::fromLatin1(kTemplateName), target);
    // The key is written whenever it is missing and the template is there, so label printing
    // never starts with an empty template after the key was lost.
    if (present && !settings->contains(QString::fromLatin1(kTemplateFileKey)))
        settings->setValue(QString::fromLatin1(kTemplateFileKey), target);
}

void AppSettings::installTranslators() {
    const QString folder = applicationDir + QStringLiteral("/translations");
    for (const QString& name : {QStringLiteral("qt"), QCoreApplication::applicationName()}) {
        auto* translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(language(), name, QStringLiteral("_"), folder))
            QCoreApplication::installTranslator(translator);
        else
            translator->deleteLater();
    }
}

QLocale AppSettings::language() const {
    return settings
        ->value(QString::fromLatin1(kLanguageKey), QLocale(QLocale::Chinese, QLocale::AnyCountry))
        .toLocale();
}

void AppSettings::setLanguage(const QLocale& locale) {
    settings->setValue(QString::fromLatin1(kLanguageKey), locale);
}

QList<QLocale> AppSettings::languages() {
    return {QLocale(QLocale::English), QLocale(QLocale::Chinese)};
}

bool AppSettings::mainStreamPlay() const {
    return settings->value(QString::fromLatin1(kMainStreamPlayKey), false).toBool();
}

void AppSettings::setMainStreamPlay(bool on) {
    settings->setValue(QString::fromLatin1(kMainStreamPlayKey), on);
}

QString AppSettings::templateFile() const {
    return settings->value(QString::fromLatin1(kTemplateFileKey), QString()).toString();
}

QString AppSettings::productName() const {
    return settings
        ->value(QString::fromLatin1(kProductNameKey), QString::fromLatin1(kDefaultProductName))
        .toString();
}

int AppSettings::searchTimeout() const {
    bool isNumber = false;
    const int seconds =
        settings->value(QString::fromLatin1(kSearchTimeoutKey), kDefaultSearchTimeout)
            .toInt(&isNumber);
    // A zero would end every search at once and a huge value would freeze the window.
    if (!isNumber)
        return kDefaultSearchTimeout;
    return qBound(kMinSearchTimeout, seconds, kMaxSearchTimeout);
}

void AppSettings::setSearchTimeout(int seconds) {
    settings->setValue(QString::fromLatin1(kSearchTimeoutKey), seconds);
}

void AppSettings::restoreWindow(QMainWindow* window) {
    settings->beginGroup(window->objectName());
    window->restoreGeometry(settings->value(QString::fromLatin1(kGeometryKey)).toByteArray());
    window->restoreState(settings->value(QString::fromLatin1(kWindowStateKey)).toByteArray(), 0);
    settings->endGroup();
}

void AppSettings::saveWindow(QMainWindow* window) {
    settings->beginGroup(window->objectName());
    settings->setValue(QString::fromLatin1(kGeometryKey), window->saveGeometry());
    settings->setValue(QString::fromLatin1(kWindowStateKey), window->saveState(0));
    settings->endGroup();
}

QString AppSettings::labelProgram() const {
    // Looked at on every call: the designer may be installed while Tarnwick runs.
    const QFileInfo program(applicationDir + QStringLiteral("/Sabbeth"));
    return program.isExecutable() ? program.filePath() : QString();
}

QString AppSettings::playerProgram() const {
    return applicationDir + QStringLiteral("/Quorlin");
}

QString AppSettings::remoteConfigProgram() const {
    return applicationDir + QStringLiteral("/Velmora");
}
