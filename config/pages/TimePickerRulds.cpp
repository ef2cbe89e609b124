#include "TimePickerRulds.h"

#include <QDebug>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTime>

#include "SliderWidget.h"

namespace {

constexpr int kLabelHeight = 100;
constexpr int kHandlePadding = 8;
constexpr int kNewSegmentWidth = 10;
const char* const kSegmentStyle = "background-color: rgba(255, 255, 155, 150);";

QString timeOfDay(int seconds) {
    return QTime(0, 0).addSecs(seconds).toString("hh:mm");
}

}  // namespace

TimePickerRulds::TimePickerRulds(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setGeometry(0, 0, parent != nullptr ? parent->width() : 0, kLabelHeight);
    setCursor(Qt::PointingHandCursor);

    tipLabel = new QLabel(this);
    QFont tipFont = tipLabel->font();
    tipFont.setPointSize(8);
    tipLabel->setFont(tipFont);
    tipLabel->setStyleSheet("color:#ffffff;");
    tipLabel->setFixedWidth(150);
    tipLabel->setAlignment(Qt::AlignHCenter);
    tipLabel->hide();
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tipLabel, 0, 0, Qt::AlignHCenter);

    for (int slot = 0; slot < kSlotCount; ++slot) {
        auto* label = new QLabel(this);
        auto* handler = new SliderWidget(label);
        handler->setPadding(kHandlePadding);
        handler->setMoveEnable(true);
        handler->setResizeEnable(true);
        handler->setWidget(label);
        label->hide();
        label->setGeometry(0, 0, 0, kLabelHeight);
        label->setStyleSheet(kSegmentStyle);
        connect(handler, &SliderWidget::Slots_Move, this, &TimePickerRulds::updateTimeTip);
        connect(handler, &SliderWidget::Slots_Hide, this, &TimePickerRulds::mergeOverlapping);
        segmentSlots.append(QSharedPointer<TimeSegment>::create(TimeSegment{label, handler, 0, 0}));
    }
    updateSegmentTimes();
}

QSize TimePickerRulds::minimumSizeHint() const {
    return QSize(100, 45);
}

int TimePickerRulds::secondsToPixels(int seconds) const {
    return static_cast<int>(static_cast<qint64>(width()) * seconds / kSecondsPerDay);
}

int TimePickerRulds::pixelsToSeconds(int x) const {
    if (width() <= 0) {
        return 0;
    }
    return static_cast<int>(static_cast<double>(x) / width() * kSecondsPerDay);
}

void TimePickerRulds::placeLabel(QLabel* label, int begin, int end, int height) {
    const int left = secondsToPixels(begin);
    label->setGeometry(left, 0, secondsToPixels(end) - left, height);
}

void TimePickerRulds::freeLabel(QWidget* label, int height) {
    label->hide();
    label->setGeometry(0, 0, 0, height);
}

void TimePickerRulds::setEditable(bool flag) {
    if (flag == editable) {
        return;
    }
    editable = flag;
    for (const auto& segment : segmentSlots) {
        segment->handler->setMoveEnable(flag);
        segment->handler->setResizeEnable(flag);
    }
}

void TimePickerRulds::enableEdit() {
    setEditable(true);
}

void TimePickerRulds::clearSegments() {
    for (const auto& segment : segmentSlots) {
        freeLabel(segment->label, height());
    }
}

void TimePickerRulds::setSegments(const QList<Segment>& segments) {
    clearSegments();
    setEditable(true);
    if (segments.size() > kSlotCount) {
        qWarning() << "Day" << weekdayIndex << "has" << segments.size() << "periods; only the first"
                   << kSlotCount << "fit on the ruler";
    }
    for (int slot = 0; slot < qMin(segments.size(), static_cast<int>(kSlotCount)); ++slot) {
        TimeSegment& segment = *segmentSlots[slot];
        // Periods reaching outside the day are cut to it; what is left of them is kept.
        const int begin = qMax(segments[slot].first, 0);
        const int end = qMin(segments[slot].second, static_cast<int>(kSecondsPerDay));
        segment.label->setEnabled(true);
        if (end - begin <= 0) {
            segment.label->hide();
            continue;
        }
        segment.begin = begin;
        segment.end = end;
        placeLabel(segment.label, begin, end, height());
        segment.label->show();
    }
}

QList<TimePickerRulds::Segment> TimePickerRulds::segments() const {
    QList<Segment> inUse;
    for (const auto& segment : segmentSlots) {
        if (segment->end > segment->begin && !segment->label->isHidden()) {
            inUse.append({qMax(segment->begin, 0), qMin(segment->end, kSecondsPerDay)});
        }
    }
    return inUse;
}

void TimePickerRulds::setWholeDay() {
    setEditable(false);
    for (const auto& segment : segmentSlots) {
        segment->label->hide();
    }
    TimeSegment& first = *segmentSlots.first();
    first.begin = 0;
    first.end = kSecondsPerDay;
    first.label->setGeometry(0, 0, width(), height());
    first.label->show();
}

void TimePickerRulds::setDefaultSegment() {
    setEditable(false);
    for (const auto& segment : segmentSlots) {
        segment->label->hide();
    }
    TimeSegment& first = *segmentSlots.first();
    first.begin = 9 * 3600;
    first.end = 18 * 3600;
    placeLabel(first.label, first.begin, first.end, height());
    first.label->show();
}

void TimePickerRulds::mousePressEvent(QMouseEvent* event) {
    if (!editable || event->button() != Qt::LeftButton) {
        return;
    }
    pressX = event->x();
    for (const auto& segment : segmentSlots) {
        if (!segment->label->isHidden() && segment->label->geometry().contains(event->pos())) {
            return;  // The press belongs to that segment's handler.
        }
    }
    for (const auto& segment : segmentSlots) {
        if (segment->label->isHidden()) {
            current = segment->label;
            current->setGeometry(pressX, 0, kNewSegmentWidth, height());
            current->show();
            return;
        }
    }
}

void TimePickerRulds::mouseMoveEvent(QMouseEvent* event) {
    if (!editable || current == nullptr) {
        return;
    }
    current->setGeometry(pressX, 0, event->x() - pressX, current->height());
    updateTimeTip(current);
}

void TimePickerRulds::mouseReleaseEvent(QMouseEvent* event) {
    if (!editable || current == nullptr) {
        return;
    }
    if (current->width() == 0 || event->y() < 0) {
        freeLabel(current, current->height());
    }
    QLabel* drawn = current;
    current = nullptr;
    mergeOverlapping(drawn);
}

void TimePickerRulds::updateTimeTip(QWidget* label) {
    tipLabel->show();
    const int begin = pixelsToSeconds(label->x());
    const int end = pixelsToSeconds(label->x() + label->width());
    tipLabel->setText(timeOfDay(begin) + "--" + timeOfDay(end));
    updateSegmentTimes();
}

void TimePickerRulds::mergeOverlapping(QWidget* label) {
    if (label->width() == 0) {
        freeLabel(label, label->height());
    } else {
        for (const auto& segment : segmentSlots) {
            QLabel* other = segment->label;
            // Hidden slots hold no period, whatever geometry a preset left them.
            if (other == label || other->isHidden()) {
                continue;
            }
            const int a = label->x(), b = a + label->width();
            const int c = other->x(), d = c + other->width();
            if ((a <= c && c <= b) || (a <= d && d <= b)) {
                if (a > c) {
                    label->setGeometry(c, 0, b - c, label->height());  // takes the other's start
                } else if (b <= d) {
                    label->setGeometry(a, 0, d - a, label->height());  // takes the other's end
                }
                freeLabel(other, other->height());
            } else if (c < a && a < d && c < b && b < d) {
                label->setGeometry(c, 0, other->width(), label->height());
                freeLabel(other, other->height());
            }
        }
    }
    tipLabel->hide();
    updateSegmentTimes();
}

void TimePickerRulds::updateSegmentTimes() {
    for (const auto& segment : segmentSlots) {
        const QLabel* label = segment->label;
        // A period the user did not touch keeps its exact times: a pixel spans more than a
        // minute, so reading it back from the screen would shift it.
        if (label->width() != 0 && !showsItsTimes(*segment)) {
            segment->begin = pixelsToSeconds(label->x());
            segment->end = pixelsToSeconds(label->x() + label->width());
        }
    }
    emit sliderChanged();
}

bool TimePickerRulds::showsItsTimes(const TimeSegment& segment) const {
    const int left = secondsToPixels(segment.begin);
    return segment.end > segment.begin && segment.label->x() == left &&
           segment.label->width() == secondsToPixels(segment.end) - left;
}

void TimePickerRulds::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // Every period in use follows the new width, also one placed while the ruler had none yet.
    for (const auto& segment : segmentSlots) {
        if (!segment->label->isHidden() && segment->end > segment->begin) {
            placeLabel(segment->label, segment->begin, segment->end, kLabelHeight);
        }
    }
}

void TimePickerRulds::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.save();
    painter.fillRect(rect(), background);
    QFont font = painter.font();
    font.setPixelSize(15);
    painter.setFont(font);
    painter.setPen(
        QPen(QBrush(QColor(255, 255, 255, 255)), 2.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    drawScale(painter);
    painter.restore();
}

void TimePickerRulds::drawScale(QPainter& painter) {
    const double w = width();
    const int h = height();
    for (int i = 0; i < 24; ++i) {
        const double x = i * w / 24 + w / 48;
        painter.drawLine(QPointF(x, 4 * h / 5 + 30), QPointF(x, h));
    }
    for (int i = 0; i < 96; ++i) {
        const double x = (i + 1) * w / 96;
        painter.drawLine(QPointF(x, 4 * h / 5 + 2), QPointF(x, h));
    }
    for (int i = 1; i < 24; ++i) {
        const double x = i * w / 24;
        painter.drawLine(QPointF(x, 3 * h / 5), QPointF(x, h));
        if (i % 3 == 0) {
            const QRect box(QPoint(static_cast<int>(x - w / 48), -5),
                            QPoint(static_cast<int>(x + w / 48), 3 * h / 5 + 10));
            painter.drawText(box, Qt::AlignCenter, QString("%1").arg(i, 2, 10, QChar('0')));
        }
    }
}
