#include "QrCode.h"

#include <qrencode.h>

#include <QDebug>
#include <memory>

namespace QrCode {

namespace {
struct QRcodeDeleter {
    void operator()(QRcode* code) const { QRcode_free(code); }
};
using QRcodePtr = std::unique_ptr<QRcode, QRcodeDeleter>;

const int kMinimumVersion = 2;

// Bit 0 of a module byte is set for a dark module.
bool isDark(const QRcode& code, int x, int y) {
    return code.data[y * code.width + x] & 1;
}
}  // namespace

QPainterPath encode(const QString& text, int width, int height) {
    if (width <= 0 || height <= 0) {
        return QPainterPath();
    }
    const QByteArray data = text.toUtf8();
    QRcodePtr code(
        QRcode_encodeString(data.constData(), kMinimumVersion, QR_ECLEVEL_Q, QR_MODE_8, 1));
    if (!code || code->width < 1) {
        qDebug() << QString("Encoder %1 to QR code error!").arg(text);
        return QPainterPath();
    }
    const int modules = code->width;
    const double moduleWidth = double(width) / modules;
    const double moduleHeight = double(height) / modules;
    QPainterPath path;
    for (int y = 0; y < modules; ++y) {
        // A run of dark modules is one rectangle: fewer edges, and no seam between neighbours.
        for (int x = 0; x < modules;) {
            if (!isDark(*code, x, y)) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < modules && isDark(*code, x, y)) {
                ++x;
            }
            path.addRect(QRectF(start * moduleWidth, y * moduleHeight, (x - start) * moduleWidth,
                                moduleHeight));
        }
    }
    // Rows share their edges; the union fills them without a hairline between them.
    path.setFillRule(Qt::WindingFill);
    return path;
}

}  // namespace QrCode
