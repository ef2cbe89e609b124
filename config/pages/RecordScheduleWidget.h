#pragma once

#include <QMap>
#include <QPointer>
#include <QSharedPointer>
#include <QWeakPointer>
#include <QWidget>

class QButtonGroup;
class QFormLayout;
class QGroupBox;
class QPushButton;
class TimePickerRulds;
class SaveAfterRead;
class ZRSDKInstance;

// The scheduled recording page: one day ruler per weekday, Sunday first, with up to five
// recording periods each, a switch for the whole schedule, three presets, the camera's
// default schedule ("默认参数") and "保存". The schedule travels as JSON.
class RecordScheduleWidget : public QWidget {
    Q_OBJECT

public:
    RecordScheduleWidget(const QSharedPointer<ZRSDKInstance>& session, QWidget* parent = nullptr);

private slots:
    void onSliderChanged();
    void onTimeSettingClicked();
    void load();
    void save();
    void reset();

private:
    void buildForm();
    void retranslate();
    void addRulers();
    // Shows the current (defaults false) or the default schedule of the camera; false when
    // it could not be read, which leaves the rulers as they were.
    bool showSchedule(bool defaults);

    QWeakPointer<ZRSDKInstance> session;
    QMap<int, QPointer<TimePickerRulds>> rulers;  // by day, 0 Sunday to 6 Saturday
    // Keeps the save shut unless the last load read what it writes; the button owns it.
    SaveAfterRead* saveRule = nullptr;

    QGroupBox* groupBox = nullptr;
    QFormLayout* recordTimeFormLayout = nullptr;
    QPushButton* fullTimePushButton = nullptr;
    QPushButton* weekdayPushButton = nullptr;
    QPushButton* customPushButton = nullptr;
    QButtonGroup* buttonGroup = nullptr;
    QPushButton* resetPushButton = nullptr;
    QPushButton* savePushButton = nullptr;
};
