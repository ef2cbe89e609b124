// main() of the Qt programs' GoogleTest suites: one QApplication on the offscreen platform
// (a QCoreApplication where KIT_TEST_WITHOUT_GUI is defined: suites without widgets then
// load no platform plugin, whose allocations the leak checker would report), and private
// XDG folders, so settings, data and single-instance locks written by a test never meet
// the user's or another suite's. A suite with skipped tests tells ctest so (gtest_result.h).
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "gtest_result.h"

int main(int argc, char** argv) {
    QTemporaryDir home;
    if (!home.isValid())
        return 2;
    for (const char* variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"}) {
        const QString folder = home.filePath(QString::fromLatin1(variable));
        QDir().mkpath(folder);
        QFile::setPermissions(
            folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv(variable, QFile::encodeName(folder));
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef KIT_TEST_WITHOUT_GUI
    QCoreApplication application(argc, argv);
#else
    QApplication application(argc, argv);
#endif
    testing::InitGoogleTest(&argc, argv);
    return kittest::runAllTests();
}
