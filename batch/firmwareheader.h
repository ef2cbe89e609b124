// FirmwareHeader: the version and the hardware that a firmware file (".rom", ".pkg") is
// made for, read from its first 256 KiB.
#pragma once

#include <QString>

struct FirmwareHeader {
    QString version;   // "<major>.<minor>.<patch>_<suffix>"
    QString hardware;  // compared with a row's "Hardware Version" cell

    // Both texts are empty when the file cannot be opened; a short file reads as zeros
    // where it ends.
    static FirmwareHeader read(const QString& path);
};
