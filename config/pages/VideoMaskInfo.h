// One privacy mask as the live view reports it to the configuration dialog.
#pragma once

#include <QMetaType>
#include <QRectF>
#include <cstdint>

struct VIDEO_MASK_INFO {
    bool enable = false;
    // 2 for a drawn or moved mask, 0 for an empty slot.
    int32_t code = 0;
    // x, y, width and height in percent (0 to 100) of the visible picture; a mask lying
    // partly on the black bars has values outside that range.
    QRectF rect;
};

Q_DECLARE_METATYPE(VIDEO_MASK_INFO)
