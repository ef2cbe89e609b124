#pragma once

#include "BaseVideoWidget.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class SaveAfterRead;
class QSlider;
class QSpinBox;

// The "视频采集设置" page: the camera's image tuning (levels, video standard, flips,
// exposure, wide dynamic range, 3D noise reduction) beside a live preview. It edits the
// session's cached capture record in place and has the session send it on save.
class VideoISPConfigWidget : public BaseVideoWidget {
    Q_OBJECT

public:
    VideoISPConfigWidget(ZRSDKInstance* session, QWidget* parent);

private slots:
    void load();
    void save();
    void onImageWdrIndexChanged(int index);
    void on3DDenoiseIndexChanged(int index);

private:
    // Fills the form from the camera; whether it read the record that the save writes.
    bool readSettings();
    // A slider and spin box pair that mirror each other; the spin box is the one read.
    struct LevelRow {
        QLabel* label;
        QSlider* slider;
        QSpinBox* spinBox;
    };

    void buildForm();
    QWidget* buildCaptureGroup();
    QWidget* buildAdvancedGroup();
    QWidget* buildButtonBar();
    LevelRow makeLevelRow(const char* labelName, const QString& text, const char* sliderName,
                          const char* spinBoxName, int maximum, QWidget* parent);
    QComboBox* makeModeCombo(const char* objectName);
    QSpinBox* spinBox(const char* objectName) const;
    QCheckBox* checkBox(const char* objectName) const;
    // A strength row shows only while its mode is manual.
    static void showStrengthRow(const LevelRow& row, bool shown);

    QComboBox* cbxVideoStandard = nullptr;
    QComboBox* cbxAdvancedAttrImageWdr = nullptr;
    QComboBox* threeDimDenoiseComboBox = nullptr;
    LevelRow imageWdrRow{};
    LevelRow threeDimDenoiseRow{};
    // Keeps the save shut unless the last load read what it writes; the button owns it.
    SaveAfterRead* saveRule = nullptr;
    QFrame* frameVideoISP = nullptr;
    QPushButton* resetPushButton = nullptr;
    QPushButton* savePushButton = nullptr;
};
