#include "DeviceSizeTable.h"

#include <QHeaderView>
#include <QProgressBar>
#include <QStorageInfo>
#include <QStringList>

#include <cmath>

namespace {

enum Column { NameColumn, UsedColumn, FreeColumn, TotalColumn, PercentColumn, ColumnCount };

constexpr int kColumnWidths[ColumnCount] = {100, 120, 120, 120, 120};
constexpr double kBytesPerGiB = 1073741824.0;

// Usage bands of the bar: below 50 %, from 50 % to below 90 %, from 90 %.
constexpr int kSecondBand = 50;
constexpr int kThirdBand = 90;

QTableWidgetItem* centredItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

}  // namespace

DeviceSizeTable::DeviceSizeTable(QWidget* parent)
    : QTableWidget(parent),
      bgColor(255, 255, 255),
      chunkColor1(100, 184, 255),
      chunkColor2(24, 189, 155),
      chunkColor3(255, 107, 107),
      textColor1(10, 10, 10),
      textColor2(255, 255, 255),
      textColor3(255, 255, 255) {
    setColumnCount(ColumnCount);
    setHorizontalHeaderLabels({tr("Drive Letter"), tr("Used Space"), tr("Free Space"),
                               tr("Total Size"), tr("Used Percentage")});
    for (int column = 0; column < ColumnCount; ++column) {
        setColumnWidth(column, kColumnWidths[column]);
    }
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->setVisible(false);
    horizontalHeader()->setStretchLastSection(true);
}

QSize DeviceSizeTable::sizeHint() const {
    return QSize(500, 300);
}

QSize DeviceSizeTable::minimumSizeHint() const {
    return QSize(200, 150);
}

int DeviceSizeTable::usedPercent(qlonglong totalBytes, qlonglong freeBytes) {
    if (totalBytes <= 0) {
        return 0;  // Nothing to divide by: a card of unknown size shows as empty.
    }
    const double percent = 100.0 - (freeBytes * 100.0 / totalBytes);
    return static_cast<int>(std::trunc(qBound(0.0, percent, 100.0)));
}

QString DeviceSizeTable::sizeText(qlonglong bytes) {
    return QString::number(bytes / kBytesPerGiB, 'f', 1) + "G";
}

void DeviceSizeTable::load() {
    while (rowCount() > 0) {
        removeRow(0);
    }
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isReadOnly()) {
            continue;
        }
        addPath(volume.rootPath(), volume.bytesTotal(), volume.bytesFree());
    }
}

void DeviceSizeTable::addPath(const QString& path, qlonglong totalBytes, qlonglong freeBytes) {
    const qlonglong usedBytes = totalBytes - freeBytes;
    insertSize(path, sizeText(usedBytes), sizeText(freeBytes), sizeText(totalBytes),
               usedPercent(totalBytes, freeBytes));
}

void DeviceSizeTable::checkSize(const QString& result, const QString& name) {
    enum Part { VolumePart = 1, TotalPart, UsedPart, FreePart, PercentPart };
    QString volume, total, used, free;
    int percent = 0;
    int number = 0;
    for (const QString& raw : result.split(' ')) {
        const QString part = raw.trimmed();
        if (part.isEmpty()) {
            continue;
        }
        switch (++number) {
            case VolumePart:
                volume = part;
                break;
            case TotalPart:
                total = part;
                break;
            case UsedPart:
                used = part;
                break;
            case FreePart:
                free = part;
                break;
            case PercentPart:
                percent = part.left(part.size() - 1).toInt();
                break;
        }
        if (number == PercentPart) {
            break;
        }
    }
    if (!name.isEmpty()) {
        volume = name;
    }
    insertSize(volume, used, free, total, percent);
}

void DeviceSizeTable::insertSize(const QString& name, const QString& use, const QString& free,
                                 const QString& all, int percent) {
    const int row = rowCount();
    insertRow(row);
    setItem(row, NameColumn, new QTableWidgetItem(name));
    setItem(row, UsedColumn, centredItem(use));
    setItem(row, FreeColumn, centredItem(free));
    setItem(row, TotalColumn, centredItem(all));

    auto* bar = new QProgressBar(this);
    bar->setRange(0, 100);
    bar->setValue(percent);
    bar->setStyleSheet(barStyle(percent));
    setCellWidget(row, PercentColumn, bar);
}

QString DeviceSizeTable::barStyle(int percent) const {
    const QString frame = QString(
                              "QProgressBar{background:%1;border-width:0px;border-radius:0px;"
                              "text-align:center;}QProgressBar::chunk{border-radius:0px;}")
                              .arg(bgColor.name());
    QColor text = textColor1, chunk = chunkColor1;
    if (percent >= kThirdBand) {
        text = textColor3;
        chunk = chunkColor3;
    } else if (percent >= kSecondBand) {
        text = textColor2;
        chunk = chunkColor2;
    }
    return frame + QString("QProgressBar{color:%1;}QProgressBar::chunk{background:%2;}")
                       .arg(text.name(), chunk.name());
}

void DeviceSizeTable::setColor(QColor& stored, const QColor& color) {
    if (stored == color) {
        return;
    }
    stored = color;
    load();
}

void DeviceSizeTable::setBgColor(const QColor& color) {
    setColor(bgColor, color);
}
void DeviceSizeTable::setChunkColor1(const QColor& color) {
    setColor(chunkColor1, color);
}
void DeviceSizeTable::setChunkColor2(const QColor& color) {
    setColor(chunkColor2, color);
}
void DeviceSizeTable::setChunkColor3(const QColor& color) {
    setColor(chunkColor3, color);
}
void DeviceSizeTable::setTextColor1(const QColor& color) {
    setColor(textColor1, color);
}
void DeviceSizeTable::setTextColor2(const QColor& color) {
    setColor(textColor2, color);
}
void DeviceSizeTable::setTextColor3(const QColor& color) {
    setColor(textColor3, color);
}
