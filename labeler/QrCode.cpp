#include "QrCode.h"

#include <qrencode.h>

#include <QDebug>
#include <QImage>
#include <QPainter>
#include <memory>

namespace QrCode {

namespace {
struct QRcodeDeleter {
    void operator()(QRcode* code) const { QRcode_free(code); }
};
using QRcodePtr = std::unique_ptr<QRcode, QRcodeDeleter>;

const int kMinimumVersion = 2;
}  // namespace

QPixmap encode(const QString& text, int width, int height) {
    if (width <= 0 || height <= 0) {
        return QPixmap();
    }
    const QByteArray data = text.toUtf8();
    QRcodePtr code(
        QRcode_encodeString(data.constData(), kMinimumVersion, QR_ECLEVEL_Q, QR_MODE_8, 1));
    if (!code) {
        qDebug() << QString("Encoder %1 to QR code error!").arg(text);
        return QPixmap();
    }
    const int modules = qMax(1, code->width);
    QImage image(width, height, QImage::Format_ARGB32);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRect(0, 0, width, height);
    painter.setBrush(Qt::black);
    const double moduleWidth = double(width) / modules;
    const double moduleHeight = double(height) / modules;
    for (int y = 0; y < code->width; ++y) {
        for (int x = 0; x < code->width; ++x) {
            // Bit 0 of a module byte is set for a dark module.
            if (code->data[y * code->width + x] & 1) {
                painter.drawRect(
                    QRectF(x * moduleWidth, y * moduleHeight, moduleWidth, moduleHeight));
            }
        }
    }
    painter.end();
    return QPixmap::fromImage(image);
}

}  // namespace QrCode
