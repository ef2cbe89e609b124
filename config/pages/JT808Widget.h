#pragma once

#include <QVariant>
#include <QWidget>

class IPAddress;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class SaveAfterRead;
class ZRSDKInstance;

// The "JT808设置" page: the camera's link to a JT/T 808 vehicle-terminal platform (server
// address and port, plate, terminal and region identity), read and written as one JSON
// object. The camera restarts to apply a write, so a save holds a long progress wait.
class JT808Widget : public QWidget {
    Q_OBJECT

public:
    JT808Widget(ZRSDKInstance* session, QWidget* parent);

    // How long a save holds the progress wait; tests shorten it.
    void setSaveWaitMs(int ms) { saveWaitMs = ms; }

private slots:
    void load();
    void save();

private:
    // Fills the form from the camera; whether it read the record that the save writes.
    bool readSettings();
    void buildForm();
    void fillPlateColors();
    // The server address to send, or an invalid variant when the editor holds a partial one.
    QVariant serverHostToSend() const;

    ZRSDKInstance* session;
    int saveWaitMs = 15000;
    // The camera's server address, which the address boxes cannot show when it is a host
    // name; sent back unchanged unless the user edits the boxes.
    QString loadedServerHost;
    // Keeps the save shut unless the last load read what it writes; the button owns it.
    SaveAfterRead* saveRule = nullptr;

    QGroupBox* jt808GroupBox = nullptr;
    IPAddress* serverHostWidget = nullptr;
    QSpinBox* serverPortSpinBox = nullptr;
    QLineEdit* plateNumberLineEdit = nullptr;
    QComboBox* plateColorComboBox = nullptr;
    QLineEdit* terminalIdLineEdit = nullptr;
    QLineEdit* terminalModelLineEdit = nullptr;
    QLineEdit* manufacturerIdLineEdit = nullptr;
    QSpinBox* provinceIdSpinBox = nullptr;
    QSpinBox* cityIdSpinBox = nullptr;
    QPushButton* savePushButton = nullptr;
};
