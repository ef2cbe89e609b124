#pragma once

#include <QColor>
#include <QVector>

// The colour of each detection region by its number (0 to 3), shared by every video view
// so that a region keeps its colour from page to page.
extern const QVector<QColor> regionColors;
