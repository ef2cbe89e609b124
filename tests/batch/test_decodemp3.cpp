// MP3 to PCM conversion: the converter's exact command line (through a recording fake),
// the question for large files, a missing or failing converter, the private output file,
// and the real ffmpeg's bytes cut to what a camera takes.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "decodemp3.h"
#include "modalhelper.h"
#include "qtprinters.h"

namespace {

enum class Fake { Writes, Fails, Hangs };

class DecodeMp3Test : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    // A converter in <application dir>/ffmpeg/ffmpeg that records its arguments, one a line,
    // and the mode of the output file as it found it.
    void installFake(Fake behaviour, int bytes = 1000) {
        QDir(folder.path()).mkpath("app/ffmpeg");
        // A hanging converter has written its audio already: only the time limit fails it.
        const QString writes = QString("head -c %1 /dev/zero > \"$last\"").arg(bytes);
        const QString act = behaviour == Fake::Writes  ? writes
                            : behaviour == Fake::Fails ? "exit 1"
                                                       : writes + "; exec sleep 60";
        writeFile("app/ffmpeg/ffmpeg",
                  "#!/bin/sh\nfor last; do :; done\n"
                  "{ printf '%s\\n' \"$@\"; stat -c 'mode %a' \"$last\"; } > '" +
                      record().toUtf8() + "'\n" + act.toUtf8() + "\n");
        QFile::setPermissions(folder.filePath("app/ffmpeg/ffmpeg"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    void writeFile(const QString& name, const QByteArray& bytes) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QString input(qint64 size) {
        writeFile("input.mp3", QByteArray(size, 'm'));
        return folder.filePath("input.mp3");
    }
    QString record() const { return folder.filePath("record.txt"); }
    QStringList recorded() const {
        QFile file(record());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }
    QString applicationDir() const { return folder.filePath("app"); }

    QTemporaryDir folder;
};

// The converter without its time limit: it waits for the real ffmpeg's end, however busy
// the machine. The limit itself is checked with fakes, whose work is a few commands.
class UnhurriedDecodeMp3 : public DecodeMp3 {
public:
    using DecodeMp3::DecodeMp3;

protected:
    int converterTimeLimitMs() const override { return -1; }
};

std::shared_ptr<ModalAnswer> answer(QMessageBox::StandardButton button) {
    return answerNextModal<QMessageBox>(
        [button](QMessageBox* box) { box->button(button)->click(); });
}

}  // namespace

TEST_F(DecodeMp3Test, RunsTheConverterWithTheExactArguments) {
    installFake(Fake::Writes);
    DecodeMp3 converter(applicationDir());
    const QString mp3 = input(100);
    ASSERT_TRUE(converter.makeTempFileName(mp3));
    const QString output = converter.outputPath();
    EXPECT_TRUE(output.startsWith(QDir::tempPath() + "/"));
    EXPECT_TRUE(output.endsWith(".pcm"));
    ASSERT_TRUE(converter.decode());
    EXPECT_EQ(recorded(),
              QStringList({"-y", "-i", mp3, "-acodec", "pcm_s16le", "-f", "s16le", "-ac", "1",
                           "-ar", "8000", "-fs", "204800", output, "mode 600"}));
    EXPECT_EQ(QFileInfo(output).size(), 1000);
}

TEST_F(DecodeMp3Test, AsksAboveTheLargeSize) {
    installFake(Fake::Writes);
    const struct {
        qint64 size;
        bool asked;
        QMessageBox::StandardButton button;
        bool converted;
    } cases[] = {
        {61440, false, QMessageBox::No, true},
        {61441, true, QMessageBox::No, false},
        {61441, true, QMessageBox::Yes, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        SCOPED_TRACE(c.button);
        QFile::remove(record());
        DecodeMp3 converter(applicationDir());
        ASSERT_TRUE(converter.makeTempFileName(input(c.size)));
        auto question = answer(c.button);
        EXPECT_EQ(converter.decode(), c.converted);
        EXPECT_EQ(question->answered, c.asked);
        if (c.asked) {
            EXPECT_TRUE(question->text.startsWith("Your file is relatively large"));
        }
        EXPECT_EQ(QFile::exists(record()), c.converted);
    }
}

TEST_F(DecodeMp3Test, MissingConverterIsReported) {
    DecodeMp3 converter(applicationDir());
    ASSERT_TRUE(converter.makeTempFileName(input(100)));
    auto message = answer(QMessageBox::Ok);
    EXPECT_FALSE(converter.decode());
    ASSERT_TRUE(message->answered);
    EXPECT_EQ(message->text,
              "The audio decoder is not installed correctly. Please reinstall the program.");
}

TEST_F(DecodeMp3Test, FailingHangingOrSilentConverterFails) {
    const struct {
        Fake behaviour;
        int bytes;
    } cases[] = {{Fake::Fails, 0}, {Fake::Hangs, 1000}, {Fake::Writes, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.behaviour));
        installFake(c.behaviour, c.bytes);
        DecodeMp3 converter(applicationDir());
        ASSERT_TRUE(converter.makeTempFileName(input(100)));
        EXPECT_FALSE(converter.decode());
    }
}

TEST_F(DecodeMp3Test, MissingInputGivesNoPaths) {
    installFake(Fake::Writes);
    DecodeMp3 converter(applicationDir());
    EXPECT_FALSE(converter.makeTempFileName(folder.filePath("absent.mp3")));
    EXPECT_TRUE(converter.inputPath().isEmpty());
    EXPECT_TRUE(converter.outputPath().isEmpty());
    EXPECT_FALSE(converter.decode());
    EXPECT_FALSE(QFile::exists(record()));
}

TEST_F(DecodeMp3Test, OutputGoesWithTheConverter) {
    installFake(Fake::Writes);
    QString first;
    {
        DecodeMp3 converter(applicationDir());
        ASSERT_TRUE(converter.makeTempFileName(input(100)));
        first = converter.outputPath();
        ASSERT_TRUE(converter.decode());
        ASSERT_TRUE(QFile::exists(first));
    }
    EXPECT_FALSE(QFile::exists(first));
}

TEST_F(DecodeMp3Test, RealFfmpegGivesTheSameBytesCutToTheLimit) {
    QDir(folder.path()).mkpath("app/ffmpeg");
    const QString ffmpeg = QStandardPaths::findExecutable("ffmpeg");
    ASSERT_FALSE(ffmpeg.isEmpty());
    ASSERT_TRUE(QFile::link(ffmpeg, folder.filePath("app/ffmpeg/ffmpeg")));
    const QString mp3 = folder.filePath("tone.mp3");
    ASSERT_EQ(QProcess::execute(ffmpeg, {"-loglevel", "error", "-f", "lavfi", "-i",
                                         "sine=frequency=440:duration=30", "-ac", "1", mp3}),
              0);

    UnhurriedDecodeMp3 converter(applicationDir());
    ASSERT_TRUE(converter.makeTempFileName(mp3));
    auto question = answer(QMessageBox::Yes);
    ASSERT_TRUE(converter.decode());
    EXPECT_TRUE(question->answered);

    const QString byHand = folder.filePath("by-hand.pcm");
    ASSERT_EQ(QProcess::execute(
                  ffmpeg, {"-loglevel", "error", "-y", "-i", mp3, "-acodec", "pcm_s16le", "-f",
                           "s16le", "-ac", "1", "-ar", "8000", "-fs", "204800", byHand}),
              0);
    QFile expected(byHand), actual(converter.outputPath());
    ASSERT_TRUE(expected.open(QIODevice::ReadOnly));
    ASSERT_TRUE(actual.open(QIODevice::ReadOnly));
    const QByteArray expectedBytes = expected.readAll();
    ASSERT_GT(expectedBytes.size(), DecodeMp3::kMaxOutputBytes);  // ffmpeg overshoots
    EXPECT_EQ(actual.readAll(), expectedBytes.left(DecodeMp3::kMaxOutputBytes));
}
