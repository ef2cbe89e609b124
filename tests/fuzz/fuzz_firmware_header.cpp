// The head of a firmware file that Tarnwick reads before it offers an upgrade.
#include <QTemporaryFile>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "firmwareheader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QTemporaryFile file;
    if (!file.open() ||
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
            static_cast<qint64>(size) ||
        !file.flush()) {
        std::abort();
    }
    const FirmwareHeader header = FirmwareHeader::read(file.fileName());
    (void)header;
    return 0;
}
