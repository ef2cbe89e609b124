#include "decodemp3.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryFile>

DecodeMp3::DecodeMp3(const QString& applicationDir) : applicationDir(applicationDir) {}

DecodeMp3::DecodeMp3() : DecodeMp3(QCoreApplication::applicationDirPath()) {}

DecodeMp3::~DecodeMp3() {
    removeOutput();
}

QString DecodeMp3::converterProgram() const {
    return applicationDir + QStringLiteral("/ffmpeg/ffmpeg");
}

void DecodeMp3::removeOutput() {
    if (!output.isEmpty() && QFileInfo::exists(output))
        QFile::remove(output);
}

bool DecodeMp3::makeTempFileName(const QString& path) {
    removeOutput();
    input.clear();
    output.clear();
    if (!QFileInfo::exists(path))
        return false;
    input = path;

    QTemporaryFile file(QDir::tempPath() + QDir::separator() + QCoreApplication::applicationName() +
                        QStringLiteral("_XXXXXX.pcm"));
    // The file stays (mode 0600) until this converter goes: ffmpeg writes into it.
    file.setAutoRemove(false);
    if (!file.open())
        return false;
    output = file.fileName();
    qDebug() << "音频临时文件名: " << output;
    return true;
}

bool DecodeMp3::decode() {
    if (QFileInfo(input).size() > kLargeInputBytes) {
        const auto answer = QMessageBox::warning(
            QApplication::activeWindow(), QCoreApplication::applicationName(),
            QObject::tr("Your file is relatively large, due to IPC capacity limitation, only "
                        "the first ten seconds of audio will be uploaded. Do you want to "
                        "continue?"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        if (answer != QMessageBox::Yes)
            return false;
    }
    if (!QFileInfo(converterProgram()).isExecutable()) {
        QMessageBox::critical(
            QApplication::activeWindow(), QCoreApplication::applicationName(),
            QObject::tr("The audio decoder is not installed correctly. Please reinstall the "
                        "program."),
            QMessageBox::Ok);
        return false;
    }
    if (input.isEmpty() || output.isEmpty())
        return false;
    return runConverter();
}

bool DecodeMp3::runConverter() {
    const QStringList arguments = {QStringLiteral("-y"),
                                   QStringLiteral("-i"),
                                   input,
                                   QStringLiteral("-acodec"),
                                   QStringLiteral("pcm_s16le"),
                                   QStringLiteral("-f"),
                                   QStringLiteral("s16le"),
                                   QStringLiteral("-ac"),
                                   QStringLiteral("1"),
                                   QStringLiteral("-ar"),
                                   QStringLiteral("8000"),
                                   QStringLiteral("-fs"),
                                   QString::number(kMaxOutputBytes),
                                   output};
    QProcess converter;
    converter.setProcessChannelMode(QProcess::MergedChannels);
    converter.setStandardInputFile(QProcess::nullDevice());
    converter.setStandardOutputFile(QProcess::nullDevice());
    converter.start(converterProgram(), arguments, QIODevice::ReadWrite);
    if (!converter.waitForFinished(converterTimeLimitMs())) {
        // A converter that hangs would leave a half-written file for the upload to read.
        qWarning() << "audio converter did not finish:" << converter.errorString();
        converter.kill();
        converter.waitForFinished();
        return false;
    }
    if (converter.exitStatus() != QProcess::NormalExit || converter.exitCode() != 0) {
        qWarning() << "audio converter failed with exit code" << converter.exitCode();
        return false;
    }
    QFile pcm(output);
    // ffmpeg stops only after the packet that crosses the limit; the camera takes no more.
    if (pcm.size() > kMaxOutputBytes && !pcm.resize(kMaxOutputBytes))
        return false;
    return pcm.size() > 0;
}
