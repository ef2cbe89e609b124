// The free-address scan's ping: a ping that cannot tell free from occupied addresses is a
// failure, and the reason shown to the user speaks the user's language.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>

#include "appsettings.h"
#include "pingprobe.h"
#include "qtprinters.h"

namespace {

class PingProbeTest : public testing::Test {
protected:
    void SetUp() override {
        QSettings().clear();  // Chinese, the default language
        settings.installTranslators();
    }
    void TearDown() override {
        for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>())
            delete translator;  // uninstalls it
    }
    // A ping named name that runs body as a shell script.
    QString fakePing(const QString& name, const char* body) {
        const QString path = folder.filePath(name);
        QFile script(path);
        EXPECT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(QByteArray("#!/bin/sh\n") + body + "\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

    // The build writes the catalogues into <bin>/translations, beside this test.
    AppSettings settings{QCoreApplication::applicationDirPath()};
    QTemporaryDir folder;
};

}  // namespace

TEST_F(PingProbeTest, FailureReasonIsTranslated) {
    const struct {
        const char* name;
        QString program;
        QString reasonStart;
    } cases[] = {
        {"exit code", fakePing("ping-fails", "exit 2"), "ping 以代码 2 退出"},
        {"crash", fakePing("ping-crashes", "kill -SEGV $$"), "ping 崩溃"},
        {"missing", folder.filePath("no-such-ping"), "无法启动 ping"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PingProbe ping(c.program);
        EXPECT_EQ(ping.probe(QHostAddress("10.77.1.2")), PingProbe::Outcome::Failed);
        EXPECT_TRUE(ping.failure().startsWith(c.reasonStart)) << ping.failure().toStdString();
    }
}
