#pragma once

#include <QPointer>
#include <QVariant>
#include <QWidget>

class ControlAssignmentGroup;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class SaveAfterRead;
class ZRSDKInstance;

// The "RTMP设置" page: the camera's RTMP push client (on or off, pushed stream, server,
// port, application name and stream ID), read and written as one JSON object. A save makes
// the camera restart its push client, so the page waits a few seconds after sending.
class RtmpClientWidget : public QWidget {
    Q_OBJECT

public:
    RtmpClientWidget(ZRSDKInstance* session, QWidget* parent);

    // How long a save holds the progress wait; tests shorten it.
    void setSaveWaitMs(int ms) { saveWaitMs = ms; }

private slots:
    void load();
    void save();

private:
    // Fills the form from the camera; whether it read the record that the save writes.
    bool readSettings();
    void buildForm();

    ZRSDKInstance* session;
    QPointer<ControlAssignmentGroup> controlGroup;
    int saveWaitMs = 5000;
    // The camera's stream type as loaded: sent back unchanged when the combo cannot show it.
    QVariant loadedStreamType;
    // Keeps the save shut unless the last load read what it writes; the button owns it.
    SaveAfterRead* saveRule = nullptr;

    QGroupBox* groupBox = nullptr;
    QComboBox* streamTypeComboBox = nullptr;
    QLineEdit* rtmpHostLineEdit = nullptr;
    QSpinBox* rtmpPortSpinBox = nullptr;
    QLineEdit* appNameLineEdit = nullptr;
    QLineEdit* streamIdLineEdit = nullptr;
    QPlainTextEdit* plainTextEdit = nullptr;
    QPushButton* resetPushButton = nullptr;
    QPushButton* savePushButton = nullptr;
};
