// DecodeMp3: turns an MP3 file into the raw PCM that cameras take as an audio prompt
// (8000 Hz, mono, signed 16-bit little-endian, at most kMaxOutputBytes), by running the
// ffmpeg program shipped in the folder "ffmpeg" beside Tarnwick. The output is a private
// temporary file that lives as long as the converter.
#pragma once

#include <QString>

class DecodeMp3 {
public:
    // What the camera stores at most: 12.8 seconds of 8 kHz 16-bit mono.
    static constexpr qint64 kMaxOutputBytes = 204800;
    // Above this the user is asked first: the camera keeps only the start of the prompt.
    static constexpr qint64 kLargeInputBytes = 61440;
    // How long the converter may run before it is killed.
    static constexpr int kConverterTimeoutMs = 3000;

    // applicationDir holds the folder "ffmpeg" with the converter program.
    explicit DecodeMp3(const QString& applicationDir);
    DecodeMp3();
    virtual ~DecodeMp3();
    DecodeMp3(const DecodeMp3&) = delete;
    DecodeMp3& operator=(const DecodeMp3&) = delete;

    // Records input and creates the empty output file, readable by this user only, so
    // nobody else can put a file or a link under its name. False when input does not exist
    // or no temporary file can be made; both paths are empty then.
    bool makeTempFileName(const QString& input);

    // Converts input into output; true when the converter ran to success and left audio.
    // Asks before converting a large input and tells the user when the converter is
    // missing.
    bool decode();

    QString inputPath() const { return input; }
    QString outputPath() const { return output; }
    QString converterProgram() const;

protected:
    // How long the converter may run before it is killed, in milliseconds; -1 waits for its
    // end. A check of what the real converter writes overrides it: the converter's start-up
    // alone can take most of kConverterTimeoutMs on a busy machine.
    virtual int converterTimeLimitMs() const { return kConverterTimeoutMs; }

private:
    bool runConverter();
    void removeOutput();

    QString applicationDir;
    QString input;
    QString output;
};
