#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

// Builds the "Bitmap image" entry of the export dialog's filter from the system's MIME table
// ("/etc/mime.types" when present) and the list built into the program.
class ImageFileFilter {
public:
    // description followed by " (*.ext1 *.ext2 ...)" for the extensions of the given MIME types;
    // "*" when none of them is known.
    static QString build(const QString& description, const QStringList& mimeTypes);

private:
    using MimeTable = QHash<QString, QSet<QString>>;
    static const MimeTable& table();
    static void readMimeFile(const QString& path, MimeTable& table);
};
