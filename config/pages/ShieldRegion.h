#pragma once

#include <QColor>
#include <QPolygonF>

// One detection region of an arming schedule. The humanoid page keeps its outline in percent
// of the picture; the cover detection page in video-widget pixels.
struct ShieldRegion {
    QColor defaultColour;
    QColor alarmColour;
    QPolygonF polygon;
};
