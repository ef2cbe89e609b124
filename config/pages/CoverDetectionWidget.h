#pragma once

#include <QPointer>
#include <QSize>

#include "BaseVideoWidget.h"

class Overlay;
class QCheckBox;
class QFrame;
class QGroupBox;
class QMouseEvent;
class QPushButton;
class SaveAfterRead;
class QSlider;
class QTableWidget;
class QToolButton;
class ShieldTaskManager;

// The "遮挡侦测" page: video-occlusion detection on or off, sensitivity, threshold, the alarm
// actions, one watched region drawn as a frame over the live picture and up to four arming
// rows. It edits the session's cached cover record in place and has the session send it.
class CoverDetectionWidget : public BaseVideoWidget {
    Q_OBJECT

public:
    CoverDetectionWidget(ZRSDKInstance* session, QWidget* parent);
    ~CoverDetectionWidget() override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void load();
    void save();
    void updateUi();
    void addDetection();
    void removeDetection();
    void resizeDetectionRegion();
    void onRegionChanged(QWidget* widget, QMouseEvent* event);

private:
    // Fills the form from the camera; whether it read the record that the save writes.
    bool readSettings();
    void buildForm();
    QWidget* buildDetectionGroup();
    QWidget* buildArmingRow();
    void createRegionOverlay();
    QSize regionPictureSize() const;

    ShieldTaskManager* taskManager = nullptr;
    QPointer<Overlay> regionOverlay;
    // Keeps the save shut unless the last load read what it writes; the button owns it.
    SaveAfterRead* saveRule = nullptr;

    QGroupBox* coverDetectionGroupBox = nullptr;
    QSlider* sensLevelSlider = nullptr;
    QSlider* thresholdSlider = nullptr;
    QCheckBox* alarmLightsCheckBox = nullptr;
    QCheckBox* toneBroadcastCheckBox = nullptr;
    QFrame* videoFrame = nullptr;
    QTableWidget* tableWidget = nullptr;
    QToolButton* addToolButton = nullptr;
    QToolButton* removeToolButton = nullptr;
    QPushButton* resetPushButton = nullptr;
    QPushButton* savePushButton = nullptr;
};
