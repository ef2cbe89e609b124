#pragma once

#include <QDialog>

#include "ShieldTask.h"

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTimeEdit;
class ShieldTaskManager;
class ZRSDKInstance;

// The modal form "布防设置" for one arming period: region, arming and disarming time, repeat
// count, days and alarm tone, with a button that plays the tone on the camera. It only reads
// the store; the caller adds the finished task.
class AddTaskDialog : public QDialog {
    Q_OBJECT

public:
    // session may be null; the tone test then does nothing.
    AddTaskDialog(ZRSDKInstance* session, QWidget* parent = nullptr);

    // Fills the choices from the store. Without a region the dialog can only be cancelled.
    void setAreas(const ShieldTaskManager* store);
    ShieldTask task() const;

public slots:
    void playAlarm();

private:
    void buildForm();
    void retranslate();
    void proposeTimes();

    ZRSDKInstance* session;
    const ShieldTaskManager* store = nullptr;

    QComboBox* roiComboBox = nullptr;
    QTimeEdit* beginTimeEdit = nullptr;
    QTimeEdit* endTimeEdit = nullptr;
    QSpinBox* repeatSpinBox = nullptr;
    QComboBox* weekdayComboBox = nullptr;
    QComboBox* toneTypeComboBox = nullptr;
    QPushButton* alarmPushButton = nullptr;
    QLabel* tipLabel = nullptr;
    QDialogButtonBox* buttonBox = nullptr;
};
