#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

// Sabbeth's command line: the template and device that Tarnwick passes (--config, --code,
// --serial) and the print-only run (--print).
class CommandLine {
public:
    CommandLine();

    // Parses the arguments; help, version and errors end the program as the parser does.
    void process(const QStringList& arguments);

    bool printOnly() const;
    QString code() const;
    QString serial() const;

    // The document to start with. A --config that names a file makes it the most recent
    // document, stored absolute so that any later start finds it; a --config that names none
    // (empty, or missing) gives a new, unnamed label and leaves the most recent document as it
    // was. Without --config, the most recent document.
    QString startDocument() const;

private:
    QCommandLineParser parser;
    QCommandLineOption debugOption;
    QCommandLineOption printOption;
    QCommandLineOption configOption;
    QCommandLineOption codeOption;
    QCommandLineOption serialOption;
    QCommandLineOption levelOption;
};
