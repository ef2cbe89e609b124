#include "ShieldTaskManager.h"

#include <QAbstractItemModel>
#include <QItemSelectionModel>
#include <QStringList>
#include <QTableView>

namespace {

// The only alarm tone the cameras offer for arming periods.
constexpr int kReservedTone = 11;

enum Column { RegionColumn, BeginColumn, EndColumn, DaysColumn, RepeatColumn, ToneColumn };
constexpr int kColumnCount = 6;

}  // namespace

ShieldTaskManager::ShieldTaskManager(QObject* parent) : QObject(parent) {
    initDayLabels();
}

void ShieldTaskManager::initDayLabels() {
    // Built once per process: the names follow the language the program started in.
    static const DayLabels labels = {
        {62, tr("周一到周五")}, {126, tr("周一到周六")}, {65, tr("周六、周日")},
        {1, tr("周日")},        {127, tr("每天")},
    };
    dayLabelList = labels;
    toneTypeList.append(kReservedTone);
}

QString ShieldTaskManager::dayLabel(int dayMask) const {
    for (const auto& entry : dayLabelList) {
        if (entry.first == dayMask) {
            return entry.second;
        }
    }
    return QString();
}

QString ShieldTaskManager::regionName(int index) {
    static const QStringList names = {tr("蓝色区域"), tr("粉色区域"), tr("黄色区域"),
                                      tr("绿色区域")};
    return names.value(index);
}

QString ShieldTaskManager::toneName() {
    return tr("预留");
}

void ShieldTaskManager::setTableView(QTableView* view) {
    tableView = view;
}

void ShieldTaskManager::setRegion(int index, const QPolygonF& polygon, const QColor& defaultColour,
                                  const QColor& alarmColour) {
    const ShieldRegion region{defaultColour, alarmColour, polygon};
    if (index >= 0 && index < regionList.size()) {
        regionList[index] = region;
    } else {
        regionList.append(region);
    }
}

void ShieldTaskManager::addTask(const ShieldTask& task) {
    taskList.append(task);
    QAbstractItemModel* model = tableView != nullptr ? tableView->model() : nullptr;
    if (model == nullptr) {
        return;
    }
    QStringList cells;
    cells.insert(RegionColumn, regionName(task.region));
    cells.insert(BeginColumn, task.begin.toString("hh:mm:ss"));
    cells.insert(EndColumn, task.end.toString("hh:mm:ss"));
    cells.insert(DaysColumn, dayLabel(task.dayMask));
    cells.insert(RepeatColumn, QString("%1").arg(task.repeat));
    cells.insert(ToneColumn, toneName());
    const int row = model->rowCount();
    model->insertRow(row);
    const int columns = qMin(model->columnCount(), kColumnCount);
    for (int column = 0; column < columns; ++column) {
        model->setData(model->index(row, column), cells.at(column), Qt::DisplayRole);
    }
}

void ShieldTaskManager::removeSelectedTask() {
    if (tableView == nullptr || tableView->model() == nullptr) {
        return;
    }
    QItemSelectionModel* selection = tableView->selectionModel();
    if (selection == nullptr || !selection->hasSelection()) {
        return;
    }
    const QModelIndex current = selection->currentIndex();
    if (!current.isValid()) {
        return;
    }
    const int row = current.row();
    if (row < taskList.size()) {
        taskList.removeAt(row);
    }
    tableView->model()->removeRow(row);
}

void ShieldTaskManager::clear() {
    regionList.clear();
    taskList.clear();
    toneTypeList.clear();
    if (tableView != nullptr && tableView->model() != nullptr) {
        QAbstractItemModel* model = tableView->model();
        model->removeRows(0, model->rowCount());
    }
    initDayLabels();
}
