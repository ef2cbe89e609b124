#pragma once

#include <QDataStream>

// Walks the bytes of a pen, brush or font as Qt 5.14's QDataStream (version 19) lays them out,
// without building anything, and says whether every count and length in them is plausible and
// covered by the data. Each function leaves the stream after the value it walked.
namespace RecordScanner {

bool skipBrush(QDataStream& in);
bool skipPen(QDataStream& in);
bool skipFont(QDataStream& in);

}  // namespace RecordScanner
