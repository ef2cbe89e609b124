#include "qrcodedialog.h"

#include <qrencode.h>

#include <QCoreApplication>
#include <QFileDialog>
#include <QImage>
#include <QPainter>

#include "ui_qrcodedialog.h"

namespace {

constexpr int kImageSide = 400;
// The smallest symbol; the encoder picks a larger one when the text needs it.
constexpr int kSymbolVersion = 2;

struct SymbolDeleter {
    void operator()(QRcode* symbol) const { QRcode_free(symbol); }
};
using Symbol = std::unique_ptr<QRcode, SymbolDeleter>;

}  // namespace

QrcodeDialog::QrcodeDialog(const QString& text, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::QrcodeDialog>()), text(text) {
    // The pictures live in a static library, whose resources register only when asked.
    Q_INIT_RESOURCE(tarnwick);
    ui->setupUi(this);
    pixmap = makeQRCode(text);
    ui->qrLabel->setPixmap(pixmap);
    // Without a device code there is nothing to save; the app's code still shows.
    ui->qrcodeSaveAsPushButton->setEnabled(!pixmap.isNull());
    connect(ui->qrcodeSaveAsPushButton, &QPushButton::clicked, this, &QrcodeDialog::save);
}

QrcodeDialog::~QrcodeDialog() = default;

QPixmap QrcodeDialog::makeQRCode(const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    const Symbol symbol(
        QRcode_encodeString(bytes.constData(), kSymbolVersion, QR_ECLEVEL_Q, QR_MODE_8, 1));
    if (!symbol || symbol->width <= 0)
        return QPixmap();

    const int n = symbol->width;
    const qreal module = qreal(kImageSide) / n;
    QImage image(kImageSide, kImageSide, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRect(0, 0, kImageSide, kImageSide);
    painter.setBrush(Qt::black);
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            if (symbol->data[i * n + j] & 1)
                painter.drawRect(QRectF(j * module, i * module, module, module));
        }
    }
    painter.end();
    return QPixmap::fromImage(image);
}

QString QrcodeDialog::pngFileName(const QString& chosen) {
    return chosen.toLower().endsWith(QLatin1String(".png")) ? chosen
                                                            : chosen + QStringLiteral(".png");
}

void QrcodeDialog::save() {
    if (pixmap.isNull())
        return;
    const QString name = QCoreApplication::applicationName();
    const QString chosen = QFileDialog::getSaveFileName(
        this, tr("%1 - Save As").arg(name), QStringLiteral("."), tr("%1 (*.png)").arg(name));
    if (!chosen.isEmpty())
        pixmap.save(pngFileName(chosen), "PNG");
}
