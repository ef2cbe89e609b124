// Lets GoogleTest print Qt's strings in failure messages as text rather than as bytes.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* out) {
    *out << '[';
    for (int i = 0; i < list.size(); ++i)
        *out << (i > 0 ? ", " : "") << '"' << list.at(i).toStdString() << '"';
    *out << ']';
}

inline void PrintTo(const QByteArray& bytes, std::ostream* out) {
    *out << '"' << bytes.toStdString() << '"';
}
