#pragma once

#include <QPixmap>
#include <QString>

// QR symbols of label items: version 2 at least (libqrencode grows it when the text needs more),
// error level Q, 8-bit data of the text's UTF-8 bytes, case-sensitive.
namespace QrCode {

// The symbol stretched over width x height pixels, each axis on its own scale, without quiet
// zone; a null pixmap when the text cannot be encoded or the size is empty.
QPixmap encode(const QString& text, int width, int height);

}  // namespace QrCode
