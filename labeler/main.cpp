#include <QApplication>
#include <QTranslator>

#include "CommandLine.h"
#include "MainWindow.h"
#include "Placeholder.h"
#include "Settings.h"

namespace {

void installTranslations(QApplication& app, const QLocale& locale) {
    const QString directory = QCoreApplication::applicationDirPath() + "/translations";
    for (const QString& catalogue : {QString("qt"), QCoreApplication::applicationName()}) {
        auto* translator = new QTranslator(&app);
        if (translator->load(locale, catalogue, "_", directory, ".qm")) {
            app.installTranslator(translator);
        } else {
            delete translator;
        }
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Settings::setApplicationIdentity();

    CommandLine options;
    options.process(app.arguments());
    const QString document = options.startDocument();
    Placeholder placeholder;
    placeholder.set("code", options.code());
    placeholder.set("serial", options.serial());
    installTranslations(app, Settings::instance().language());

    MainWindow window;
    window.setPlaceholder(&placeholder);
    if (options.printOnly()) {
        window.setUnattended(true);
        const bool printed = window.printFile(document);
        window.close();
        return printed ? 0 : 1;
    }
    window.startWithFile(document);
    window.show();
    return app.exec();
}
