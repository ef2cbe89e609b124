// Writes the factory label template "4x2.tmq" that Tarnwick hands to Sabbeth for label printing:
// a 4 x 2 inch label (288 x 144 pt) from the page's top left with the device's QR code, its
// serial and the print date. The build runs it, so the file always matches the document format.
//   sabbeth_make_template <out>

#include <QFont>
#include <QTextStream>

#include "DocumentCodec.h"

namespace {

// A 112 pt code keeps its modules at least 3 pt wide up to symbol version 4 (33 modules, 46
// bytes at level Q), which a 203 dpi label printer draws with 8 dots each; the 16 pt margin is
// its quiet zone.
const QrCodeRecord kCode{QPointF(16, 16), 0.0, 112, 112, 0.0, "{%code%}"};

// Texts right of the code, in a size that reads at arm's length on the line; a 20-character
// serial still ends inside the label.
const int kTextPoints = 12;
const double kTextLeft = 140;

TextRecord text(double top, const QString& content) {
    QFont font("Helvetica");
    font.setPointSize(kTextPoints);
    return TextRecord{QPointF(kTextLeft, top), 0.0, content, font};
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        QTextStream(stderr) << "usage: sabbeth_make_template <out>\n";
        return 2;
    }
    const QVector<ItemRecord> records{kCode, text(40, "{%serial%}"), text(76, "{%date%}")};
    const QString error = DocumentCodec::writeDocument(QString::fromLocal8Bit(argv[1]), records);
    if (!error.isEmpty()) {
        QTextStream(stderr) << "sabbeth_make_template: " << error << "\n";
        return 1;
    }
    return 0;
}
