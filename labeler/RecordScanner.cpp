#include "RecordScanner.h"

#include <Qt>

namespace RecordScanner {

namespace {

// Fixed-size parts of the layouts, in bytes.
const int kColorBytes = 11;      // colour model qint8, alpha, red, green, blue, pad as quint16
const int kTransformBytes = 72;  // nine doubles
const int kDoubleBytes = 8;
const int kPenHeadBytes = 2 + 1 + kDoubleBytes;  // style flags, cosmetic flag, width
const int kPenTailBytes = kDoubleBytes + 1;      // dash offset, default-width flag
// Font: point size, pixel size, style hint, style strategy, a zero byte, weight, flag bits,
// stretch, extended flag bits, letter and word spacing, hinting preference, capitalisation.
const int kFontMiddleBytes = 8 + 4 + 1 + 2 + 1 + 1 + 1 + 2 + 1 + 4 + 4 + 1 + 1;

// Real values are a handful of entries and short names; anything far above is not a label.
const quint32 kMaxDashes = 64;
const quint32 kMaxFamilies = 64;
const quint32 kMaxNameBytes = 1024;
const quint32 kNullString = 0xFFFFFFFF;

bool skip(QDataStream& in, int bytes) {
    return in.skipRawData(bytes) == bytes;
}

bool skipName(QDataStream& in) {
    quint32 bytes = 0;
    in >> bytes;
    if (in.status() != QDataStream::Ok) {
        return false;
    }
    if (bytes == kNullString) {
        return true;
    }
    return bytes % 2 == 0 && bytes <= kMaxNameBytes && skip(in, int(bytes));
}

bool isPlainStyle(quint8 style) {
    return style <= Qt::DiagCrossPattern;
}

}  // namespace

// The designer only makes plain styled brushes; gradients and textures carry nested variable
// data that no label document holds, and a byte beyond the styles is no brush at all, so they
// count as damage.
bool skipBrush(QDataStream& in) {
    quint8 style = 0;
    in >> style;
    return in.status() == QDataStream::Ok && isPlainStyle(style) && skip(in, kColorBytes) &&
           skip(in, kTransformBytes);
}

bool skipPen(QDataStream& in) {
    if (!skip(in, kPenHeadBytes) || !skipBrush(in) || !skip(in, kDoubleBytes)) {
        return false;
    }
    quint32 dashes = 0;
    in >> dashes;
    return in.status() == QDataStream::Ok && dashes <= kMaxDashes &&
           skip(in, int(dashes) * kDoubleBytes) && skip(in, kPenTailBytes);
}

bool skipFont(QDataStream& in) {
    if (!skipName(in) || !skipName(in) || !skip(in, kFontMiddleBytes)) {
        return false;
    }
    quint32 families = 0;
    in >> families;
    if (in.status() != QDataStream::Ok || families > kMaxFamilies) {
        return false;
    }
    for (quint32 i = 0; i < families; ++i) {
        if (!skipName(in)) {
            return false;
        }
    }
    return true;
}

}  // namespace RecordScanner
