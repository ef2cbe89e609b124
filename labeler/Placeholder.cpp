#include "Placeholder.h"

#include <QDateTime>

namespace {
// The shortest possible key, "{%%}", has four characters.
const int kShortestKeyLength = 4;
}  // namespace

Placeholder::Placeholder() {
    set("date", QDateTime::currentDateTime().toString("yyyy-MM-dd"));
}

void Placeholder::set(const QString& name, const QString& value) {
    values.insert(keyFor(name), value);
}

QString Placeholder::replace(const QString& text, bool* changed) const {
    if (text.size() < kShortestKeyLength) {
        return text;
    }
    QString result = text;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        result.replace(it.key(), it.value(), Qt::CaseInsensitive);
    }
    if (changed) {
        *changed = result != text;
    }
    return result;
}

QString Placeholder::keyFor(const QString& name) {
    return QString("{%%1%}").arg(name);
}
