// Tarnwick's settings: one typed accessor per key of its store (organisation "Korvel",
// application "Tarnwick"), the translators of the chosen language, the label template
// copied into the user's data folder, and where the programs that Tarnwick starts live.
#pragma once

#include <QList>
#include <QLocale>
#include <QSettings>
#include <QString>
#include <memory>

class QMainWindow;

class AppSettings {
public:
    // The process's settings object, made on first use (after the application object).
    static AppSettings& instance();

    // Tests make their own with the folder that stands for the application's.
    explicit AppSettings(const QString& applicationDir);
    ~AppSettings();
    AppSettings(const AppSettings&) = delete;
    AppSettings& operator=(const AppSettings&) = delete;

    // Loads and installs the translators of language() for Qt and for Tarnwick; a missing
    // catalogue leaves the texts in the source language.
    void installTranslators();

    QLocale language() const;
    void setLanguage(const QLocale& locale);
    static QList<QLocale> languages();

    bool mainStreamPlay() const;
    void setMainStreamPlay(bool on);

    QString templateFile() const;
    QString productName() const;

    // Seconds that every multicast call waits for answers, always within 1..255.
    int searchTimeout() const;
    void setSearchTimeout(int seconds);

    void restoreWindow(QMainWindow* window);
    void saveWindow(QMainWindow* window);

    // The programs Tarnwick starts; the label designer's path is empty when it is missing
    // or not executable.
    QString labelProgram() const;
    QString playerProgram() const;
    QString remoteConfigProgram() const;
    // The folder of the programs above and of the converter folder "ffmpeg".
    QString applicationDirectory() const { return applicationDir; }

private:
    void copyLabelTemplate();

    QString applicationDir;
    std::unique_ptr<QSettings> settings;
};
