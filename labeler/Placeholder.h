#pragma once

#include <QHash>
#include <QString>

// The values that fill a label's placeholders ("{%code%}", "{%serial%}", "{%date%}") when it is
// rendered. The date is taken once, when the table is made, so a label printed after midnight
// still carries the day the run started.
class Placeholder {
public:
    Placeholder();
    virtual ~Placeholder() = default;

    // Stores value under the key "{%name%}", replacing an earlier value.
    void set(const QString& name, const QString& value);

    // The text with every key replaced by its value, ignoring letter case. Texts shorter than a
    // key cannot hold one and come back untouched (changed is then left as it was).
    QString replace(const QString& text, bool* changed = nullptr) const;

    static QString keyFor(const QString& name);

private:
    QHash<QString, QString> values;
};
