#pragma once

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QVector>

#include "ShieldRegion.h"
#include "ShieldTask.h"

class QTableView;

// The in-memory arming schedule of a detection page: up to four regions and the arming
// periods tied to them, with one row per period in the page's task table. It talks to no
// camera; the owning page converts regions and tasks to and from the camera's records.
class ShieldTaskManager : public QObject {
    Q_OBJECT

public:
    // (day mask, label) in the order the arming dialog offers them.
    using DayLabels = QVector<QPair<int, QString>>;

    explicit ShieldTaskManager(QObject* parent = nullptr);

    // The owner's table must already have its columns (up to six: region, begin, end, days,
    // repeat, tone); the store only adds and removes rows.
    void setTableView(QTableView* view);

    // Overwrites region index when it exists, else appends a region at the end.
    void setRegion(int index, const QPolygonF& polygon, const QColor& defaultColour,
                   const QColor& alarmColour);
    void addTask(const ShieldTask& task);
    // Removes the task under the table's current index (only that one, whatever else is
    // selected).
    void removeSelectedTask();
    void clear();
    int taskCount() const { return taskList.size(); }

    const QList<ShieldRegion>& regions() const { return regionList; }
    const QList<ShieldTask>& tasks() const { return taskList; }
    const DayLabels& dayLabels() const { return dayLabelList; }
    const QList<int>& toneTypes() const { return toneTypeList; }

    // The label of a day mask, empty for a mask that is none of the named sets.
    QString dayLabel(int dayMask) const;
    static QString regionName(int index);
    static QString toneName();

private:
    void initDayLabels();

    QTableView* tableView = nullptr;
    QList<ShieldRegion> regionList;
    QList<ShieldTask> taskList;
    QList<int> toneTypeList;
    DayLabels dayLabelList;
};
