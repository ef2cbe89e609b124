// The label template that the build writes beside the programs: Tarnwick's first start copies
// it into the user's data folder and names the copy for label printing. The data folder is the
// test process's private XDG folder (qtgtestmain.cpp); the bin folder is this test's own.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>

#include "appsettings.h"

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray utf16(const char* text) {
    QByteArray bytes;
    for (const char* c = text; *c; ++c)
        bytes.append('\0').append(*c);
    return bytes;
}

}  // namespace

TEST(LabelTemplate, FirstStartCopiesTheBuiltTemplateAndNamesIt) {
    const QString built = QCoreApplication::applicationDirPath() + "/4x2.tmq";
    const QByteArray bytes = fileBytes(built);
    ASSERT_FALSE(bytes.isEmpty()) << "the build writes " << qPrintable(built);
    // A label document: magic, version 2, and the placeholders that printing fills.
    EXPECT_TRUE(bytes.startsWith(QByteArray::fromHex("034A9F210002")));
    for (const char* placeholder : {"{%code%}", "{%serial%}", "{%date%}"})
        EXPECT_TRUE(bytes.contains(utf16(placeholder))) << placeholder;

    AppSettings settings(QCoreApplication::applicationDirPath());
    const QString dataDir = QStandardPaths::writableLocation(QStandardPaths::DataLocation);
    EXPECT_EQ(settings.templateFile(), dataDir + "/4x2.tmq");
    EXPECT_EQ(fileBytes(settings.templateFile()), bytes);
}
