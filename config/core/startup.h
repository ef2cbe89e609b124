#pragma once

#include <QString>
#include <functional>

class QCommandLineParser;
class QStringList;
class QWidget;

// What the command line asks for: the camera and the first login attempt's credentials.
struct LoginOptions {
    QString ip;
    QString user;
    QString password;
    int sessionPort = 80;
    int streamPort = 1680;
};

// Exit codes the launcher reads.
constexpr int kExitNormal = 0;
constexpr int kExitLoginFailed = 13;

// Parses the program's arguments (help and version end the process, as usual).
LoginOptions readCommandLine(QCommandLineParser& parser, const QStringList& arguments);

// Loads the program's translation for the language that Tarnwick's user chose.
void installTranslation();

// Logs into the camera and runs the configuration dialog; the exit code. activate receives
// the dialog once logged in, so that a later start can bring it to the front.
int runConfiguration(const LoginOptions& options, const std::function<void(QWidget*)>& activate);
