#include "capability_table.h"

#include <QFile>

// The resource file is linked from a static library: register it explicitly, since nothing
// else refers to its object file.
static void registerCapabilityResources() {
    Q_INIT_RESOURCE(capabilities);
}

namespace capability_table {

QHash<QString, QString> parse(const QByteArray& text) {
    QHash<QString, QString> table;
    const QStringList lines = QString::fromUtf8(text).split('\n');
    for (const QString& line : lines) {
        const QStringList parts = line.split(',', Qt::SkipEmptyParts);
        if (parts.size() == 2) {
            table.insert(parts.at(0), parts.at(1).trimmed());
        }
    }
    return table;
}

QHash<QString, QString> load(const QLocale& locale) {
    registerCapabilityResources();
    QFile file(QStringLiteral(":/capability_%1.txt").arg(locale.name()));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return parse(file.readAll());
}

}  // namespace capability_table
