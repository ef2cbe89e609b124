#include "region_colors.h"

const QVector<QColor> regionColors = {QColor(Qt::blue), QColor(Qt::magenta), QColor(Qt::yellow),
                                      QColor(Qt::green)};
