// Tarnwick's entry: one instance per user; a second start raises the first and ends.
#include <QLabel>

#include "appsettings.h"
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
    AppSettings::instance().installTranslators();

    // Stand-in until the main window exists: it gives the instance a window to raise.
    QLabel window(QStringLiteral("Tarnwick"));
    window.setObjectName(QStringLiteral("MainWindow"));
    application.setActivationWindow(&window);
    window.show();
    return application.exec();
}
