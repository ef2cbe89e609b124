#pragma once

#include <QByteArray>
#include <QHash>
#include <QLocale>
#include <QString>

// Display labels of the capability keys that a camera reports in its device information.
// The tables are resources ":/capability_<locale>.txt", one "key,label" line each.
namespace capability_table {

// Parses a table text: only lines with exactly two non-empty parts around one comma count;
// the key stays as written, the label is trimmed; a later line of the same key wins.
QHash<QString, QString> parse(const QByteArray& text);

// The table of a locale; empty when the program carries none for it.
QHash<QString, QString> load(const QLocale& locale);

}  // namespace capability_table
