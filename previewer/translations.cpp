#include "translations.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTranslator>

namespace translations {

QLocale chosenLanguage() {
    // Only the batch program writes the language; the previewer follows it.
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Korvel", "Tarnwick");
    return settings.value("Ui/Language", QLocale(QLocale::Chinese, QLocale::AnyCountry))
        .value<QLocale>();
}

void install(QCoreApplication& app, const QLocale& locale) {
    const QString folder = QCoreApplication::applicationDirPath() + "/translations";
    for (const QString& name : {QString("qt"), QCoreApplication::applicationName()}) {
        auto* translator = new QTranslator(&app);
        if (translator->load(locale, name, "_", folder)) {
            app.installTranslator(translator);
        } else {
            translator->deleteLater();
        }
    }
}

}  // namespace translations
