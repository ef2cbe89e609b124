// Tarnwick's entry: one instance per user; a second start raises the first and ends.
#include "appsettings.h"
#include "mainwindow.h"
#include "singleapplication.h"

namespace {

const char kInstanceId[] = "5B31D068-1CFD-4A01-A157-855709BCDC2E";
const char kWakeMessage[] = "message from other instance.";
constexpr int kWakeTimeoutMs = 1000;

}  // namespace

int main(int argc, char** argv) {
    SingleApplication application(QString::fromLatin1(kInstanceId), argc, argv);
    if (application.isRunning()) {
        // The first instance comes to the front; whether it heard us changes nothing here.
        application.sendMessage(QString::fromLatin1(kWakeMessage), kWakeTimeoutMs);
        return 0;
    }
    AppSettings& settings = AppSettings::instance();
    settings.installTranslators();

    MainWindow window(settings);
    application.setActivationWindow(&window, true);
    window.show();
    return application.exec();
}
