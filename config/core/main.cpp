// Velmora: the remote configuration of one camera, started by Tarnwick or by hand.
#include <QCommandLineParser>

#include "netsdk.h"
#include "singleapplication.h"
#include "startup.h"

namespace {

// The SDK's process state exists before main and is cleaned up after it returns.
struct SdkGuard {
    SdkGuard() { NETSDK_Init(); }
    ~SdkGuard() { NETSDK_Cleanup(); }
} sdkGuard;

const char* const kInstanceId = "40B916E4-9B12-4CE8-9897-484A51AA4A44";
constexpr int kMessageTimeoutMs = 500;

}  // namespace

int main(int argc, char* argv[]) {
    SingleApplication app(kInstanceId, argc, argv);
    if (app.isRunning()) {
        app.sendMessage("message from other instance.", kMessageTimeoutMs);
        return kExitNormal;
    }
    QCoreApplication::setOrganizationName("Pellandor");
    // Empty: the executable's base name stays the application name.
    QCoreApplication::setApplicationName(QString());

    QCommandLineParser parser;
    const LoginOptions options = readCommandLine(parser, QCoreApplication::arguments());
    installTranslation();
    return runConfiguration(options, [&app](QWidget* dialog) { app.setActivationWindow(dialog); });
}
