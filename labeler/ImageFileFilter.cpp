#include "ImageFileFilter.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

namespace {
// mime.types holds a few thousand lines; the bound only guards against a runaway file.
const int kMaxMimeLines = 100000;
}  // namespace

QString ImageFileFilter::build(const QString& description, const QStringList& mimeTypes) {
    QSet<QString> extensions;
    for (const QString& type : mimeTypes) {
        extensions.unite(table().value(type));
    }
    QStringList sorted(extensions.begin(), extensions.end());
    if (sorted.isEmpty()) {
        sorted << "*";
    } else {
        sorted.sort(Qt::CaseSensitive);
    }
    return QString("%1 (*.").arg(description) + sorted.join(" *.") + ")";
}

const ImageFileFilter::MimeTable& ImageFileFilter::table() {
    static const MimeTable mimeTable = [] {
        MimeTable filled;
        readMimeFile("/etc/mime.types", filled);
        readMimeFile(":/mime.types", filled);
        return filled;
    }();
    return mimeTable;
}

void ImageFileFilter::readMimeFile(const QString& path, MimeTable& table) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return;
    }
    static const QRegularExpression whiteSpace("\\s+");
    QTextStream in(&file);
    for (int line = 0; line < kMaxMimeLines && !in.atEnd(); ++line) {
        const QString text = in.readLine().trimmed();
        if (text.isEmpty() || text.startsWith('#')) {
            continue;
        }
        QStringList parts = text.split(whiteSpace, Qt::SkipEmptyParts);
        const QString type = parts.takeFirst();
        for (const QString& extension : parts) {
            table[type].insert(extension);
        }
    }
}
