#pragma once

#include <QPainterPath>
#include <QString>

// QR symbols of label items: version 2 at least (libqrencode grows it when the text needs more),
// error level Q, 8-bit data of the text's UTF-8 bytes, case-sensitive.
namespace QrCode {

// The dark modules of the symbol stretched over width x height, each axis on its own scale,
// without quiet zone: one path of whole-module rectangles, so the code stays sharp at any
// resolution and in vector output. Empty when the text cannot be encoded or the size is empty.
QPainterPath encode(const QString& text, int width, int height);

}  // namespace QrCode
