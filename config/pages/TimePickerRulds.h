#pragma once

#include <QColor>
#include <QList>
#include <QPair>
#include <QSharedPointer>
#include <QWidget>

#include "TimeSegment.h"

class QLabel;

// One day, 00:00 to 24:00, as a ruler on which up to five periods are drawn with the mouse,
// moved, stretched, merged and removed. Times are whole seconds from midnight, 0 to 86400.
class TimePickerRulds : public QWidget {
    Q_OBJECT

public:
    using Segment = QPair<int, int>;  // (begin, end) in seconds from midnight
    static constexpr int kSlotCount = 5;
    static constexpr int kSecondsPerDay = 86400;

    explicit TimePickerRulds(QWidget* parent = nullptr);

    void setWeekday(int day) { weekdayIndex = day; }
    int weekday() const { return weekdayIndex; }

    // Shows pair k in slot k (pairs beyond the five slots are dropped) and opens editing.
    void setSegments(const QList<Segment>& segments);
    // The periods in use, in slot order, clamped to the day.
    QList<Segment> segments() const;
    void setWholeDay();
    void setDefaultSegment();
    void clearSegments();
    void enableEdit();
    void setEditable(bool editable);
    bool isEditable() const { return editable; }

    QSize minimumSizeHint() const override;

signals:
    void sliderChanged();

public slots:
    void updateTimeTip(QWidget* label);
    void mergeOverlapping(QWidget* label);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int secondsToPixels(int seconds) const;
    int pixelsToSeconds(int x) const;
    void placeLabel(QLabel* label, int begin, int end, int height);
    void freeLabel(QWidget* label, int height);
    void updateSegmentTimes();
    // Whether the label still sits where the segment's stored times put it.
    bool showsItsTimes(const TimeSegment& segment) const;
    void drawScale(QPainter& painter);

    QColor background{"#333333"};
    bool editable = true;
    int pressX = 0;             // where the segment being drawn started
    QLabel* current = nullptr;  // the segment being drawn
    QLabel* tipLabel = nullptr;
    QList<QSharedPointer<TimeSegment>> segmentSlots;
    int weekdayIndex = 0;
};
