#include "RecordScheduleWidget.h"

#include <QButtonGroup>
#include <QDebug>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>
#include <QVBoxLayout>
#include <QVariantMap>

#include <climits>

#include "TimePickerRulds.h"
#include "record_writes.h"
#include "save_after_read.h"
#include "zrsdk_instance.h"

namespace {

// The schedule's keys of the days, by day index.
const char* const kDayKeys[] = {"sunday",   "monday", "tuesday", "wednesday",
                                "thursday", "friday", "saturday"};
constexpr int kDayCount = 7;

template <typename Object>
Object* named(Object* object, const char* name) {
    object->setObjectName(name);
    return object;
}

}  // namespace

RecordScheduleWidget::RecordScheduleWidget(const QSharedPointer<ZRSDKInstance>& session,
                                           QWidget* parent)
    : QWidget(parent), session(session) {
    buildForm();
    retranslate();
    addRulers();
    for (const QPointer<TimePickerRulds>& ruler : qAsConst(rulers)) {
        connect(ruler, &TimePickerRulds::sliderChanged, this,
                &RecordScheduleWidget::onSliderChanged);
    }
    connect(resetPushButton, &QPushButton::clicked, this, &RecordScheduleWidget::reset);
    connect(savePushButton, &QPushButton::clicked, this, &RecordScheduleWidget::save);
    for (QPushButton* preset : {fullTimePushButton, weekdayPushButton, customPushButton}) {
        connect(preset, &QPushButton::clicked, this, &RecordScheduleWidget::onTimeSettingClicked);
    }
    saveRule = new SaveAfterRead({savePushButton});
    QMetaObject::invokeMethod(this, "load", Qt::QueuedConnection);
}

void RecordScheduleWidget::buildForm() {
    setObjectName("RecordScheduleWidget");
    resize(400, 300);
    auto* pageLayout = named(new QVBoxLayout(this), "verticalLayout");

    groupBox = named(new QGroupBox(this), "groupBox");
    groupBox->setCheckable(true);
    groupBox->setChecked(false);
    auto* scheduleLayout = named(new QVBoxLayout(groupBox), "verticalLayout_2");
    recordTimeFormLayout = named(new QFormLayout, "recordTimeFormLayout");
    scheduleLayout->addLayout(recordTimeFormLayout);

    auto* presets = named(new QWidget(groupBox), "widget_2");
    auto* presetLayout = named(new QHBoxLayout(presets), "horizontalLayout_2");
    fullTimePushButton = named(new QPushButton(presets), "fullTimePushButton");
    weekdayPushButton = named(new QPushButton(presets), "weekdayPushButton");
    customPushButton = named(new QPushButton(presets), "customPushButton");
    buttonGroup = named(new QButtonGroup(this), "buttonGroup");
    buttonGroup->addButton(fullTimePushButton);
    buttonGroup->addButton(weekdayPushButton);
    presetLayout->addWidget(fullTimePushButton);
    presetLayout->addWidget(weekdayPushButton);
    presetLayout->addWidget(customPushButton);
    presetLayout->addSpacerItem(new QSpacerItem(40, 20, QSizePolicy::Expanding));
    scheduleLayout->addWidget(presets);
    scheduleLayout->addSpacerItem(
        new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding));
    pageLayout->addWidget(groupBox);

    auto* buttons = named(new QWidget(this), "widget");
    buttons->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    auto* buttonLayout = named(new QHBoxLayout(buttons), "horizontalLayout");
    resetPushButton = named(new QPushButton(buttons), "resetPushButton");
    savePushButton = named(new QPushButton(buttons), "savePushButton");
    buttonLayout->addWidget(resetPushButton);
    buttonLayout->addWidget(savePushButton);
    buttonLayout->addSpacerItem(new QSpacerItem(199, 20, QSizePolicy::Expanding));
    pageLayout->addWidget(buttons);
}

void RecordScheduleWidget::retranslate() {
    setWindowTitle(tr("RecordScheduleWidget"));
    groupBox->setTitle(tr("启用录像计划"));
    fullTimePushButton->setText(tr("全天"));
    weekdayPushButton->setText(tr("工作日"));
    customPushButton->setText(tr("定制"));
    resetPushButton->setText(tr("默认参数"));
    savePushButton->setText(tr("保存"));
}

void RecordScheduleWidget::addRulers() {
    const QString dayNames[kDayCount] = {tr("Sunday"),    tr("Monday"),   tr("Tuesday"),
                                         tr("Wednesday"), tr("Thursday"), tr("Friday"),
                                         tr("Saturday")};
    for (int day = 0; day < kDayCount; ++day) {
        auto* ruler = new TimePickerRulds(this);
        ruler->setWeekday(day);
        rulers.insert(ruler->weekday(), ruler);
        recordTimeFormLayout->addRow(dayNames[day], ruler);
    }
}

void RecordScheduleWidget::onSliderChanged() {
    // The rulers are read when the page is saved; nothing follows each drag step.
}

void RecordScheduleWidget::onTimeSettingClicked() {
    const QObject* preset = sender();
    for (const QPointer<TimePickerRulds>& ruler : qAsConst(rulers)) {
        if (preset == fullTimePushButton) {
            ruler->setWholeDay();
        } else if (preset == weekdayPushButton) {
            ruler->setDefaultSegment();
        } else {
            ruler->clearSegments();
            ruler->enableEdit();
        }
    }
}

void RecordScheduleWidget::load() {
    saveRule->load([this] { return showSchedule(false); });
}

void RecordScheduleWidget::reset() {
    showSchedule(true);
}

bool RecordScheduleWidget::showSchedule(bool defaults) {
    const QSharedPointer<ZRSDKInstance> camera = session.toStrongRef();
    if (camera.isNull()) {
        return false;
    }
    const QJsonDocument reply = camera->recordSchedule(defaults);
    if (reply.isEmpty()) {
        return false;
    }
    const QVariantMap schedule = reply.object().toVariantMap();
    groupBox->setChecked(schedule.value("enabled").toBool());
    for (int day = 0; day < kDayCount; ++day) {
        QList<TimePickerRulds::Segment> periods;
        for (const QVariant& entry : schedule.value(kDayKeys[day]).toList()) {
            const QVariantMap period = entry.toMap();
            const int start = period.value("start_time").toInt();
            const int duration = period.value("duration").toInt();
            qDebug("start: %d, %d", start, duration);
            // The ruler cuts periods to the day; the sum must not overflow on the way there.
            const qint64 end = qint64(start) + duration;
            periods.append({start, int(qBound<qint64>(INT_MIN, end, INT_MAX))});
        }
        rulers.value(day)->setSegments(periods);
    }
    return true;
}

void RecordScheduleWidget::save() {
    const QSharedPointer<ZRSDKInstance> camera = session.toStrongRef();
    if (camera.isNull()) {
        return;
    }
    QJsonObject schedule;
    schedule["enabled"] = groupBox->isChecked();
    for (int day = 0; day < kDayCount; ++day) {
        QJsonArray periods;
        for (const TimePickerRulds::Segment& segment : rulers.value(day)->segments()) {
            periods.append(QJsonObject{{"start_time", segment.first},
                                       {"duration", segment.second - segment.first}});
        }
        schedule[kDayKeys[day]] = periods;
    }
    RecordWrites(this).write([&] { return camera->setRecordSchedule(QJsonDocument(schedule)); },
                             "Save record schedule failed!");
}
