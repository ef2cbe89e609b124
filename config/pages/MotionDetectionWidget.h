#pragma once

#include <QBitArray>
#include <QPointer>
#include <QTime>
#include <QWidget>

class ControlAssignmentGroup;
class GridVideoWidget;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTimeEdit;
class SaveAfterRead;
class ZRSDKInstance;

// The "移动侦测" page: motion detection on or off, day and night sensitivity and threshold,
// the alarm actions, the watched cells of a grid laid over the live picture and up to four
// weekly arming periods. It edits the session's cached motion record in place and has the
// session send it on save.
class MotionDetectionWidget : public QWidget {
    Q_OBJECT

public:
    MotionDetectionWidget(ZRSDKInstance* session, QWidget* parent);

    // One arming period as the table shows it.
    struct ArmingRow {
        QString name;
        unsigned int day;  // one weekday bit (bit 0 Sunday) or 127 for every day
        QTime begin;
        QTime end;
    };

    // The text of a day value of the period list; empty for any other value.
    static QString weekdayName(unsigned int day);

private slots:
    void load();
    void save();
    void updateUi();
    void regionSelected(int index);
    void addFortification();
    void removeFortification();

private:
    // Fills the form from the camera; whether it read the record that the save writes.
    bool readSettings();
    void buildForm();
    QWidget* buildDetectionGroup();
    QWidget* buildNightGroup();
    QWidget* buildArmingGroup();
    void fillRegionShapes();
    void fillSegments();
    void startPreview(QWidget* container);
    void showGridShape(int rows, int columns);
    void addArmingRow(const ArmingRow& row);
    QBitArray watchedCells(int* rows, int* columns) const;

    ZRSDKInstance* session;
    GridVideoWidget* grid = nullptr;
    QPointer<ControlAssignmentGroup> controlGroup;
    // The watched cells as loaded or last saved, bit c x rows + r for column c, row r; empty
    // until a load has read the record (an empty set shows every cell watched).
    QBitArray loadedCells;
    // Keeps the save shut unless the last load read what it writes; the button owns it.
    SaveAfterRead* saveRule = nullptr;

    QGroupBox* motionDetectionGroupBox = nullptr;
    QSpinBox* daySensitivitySpinBox = nullptr;
    QSpinBox* dayThresholdSpinBox = nullptr;
    QComboBox* regionComboBox = nullptr;
    QCheckBox* alarmLightsCheckBox = nullptr;
    QCheckBox* toneBroadcastCheckBox = nullptr;
    QGroupBox* nightGroupBox = nullptr;
    QSpinBox* nightSensitivitySpinBox = nullptr;
    QSpinBox* nightThresholdSpinBox = nullptr;
    QTimeEdit* nightEndTimeEdit = nullptr;
    QTimeEdit* nightStartTimeEdit = nullptr;
    QTableWidget* tableWidget = nullptr;
    QTimeEdit* fortificationStartTimeEdit = nullptr;
    QTimeEdit* fortificationEndTimeEdit = nullptr;
    QComboBox* segmentComboBox = nullptr;
    QPushButton* addPushButton = nullptr;
    QPushButton* removePushButton = nullptr;
    QFrame* frame = nullptr;
    QPushButton* resetPushButton = nullptr;
    QPushButton* savePushButton = nullptr;
};
