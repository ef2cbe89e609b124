#pragma once

#include <QPointer>
#include <QSharedPointer>
#include <QVariantMap>
#include <QWeakPointer>
#include <QWidget>

class ControlAssignmentGroup;
class DeviceSizeTable;
class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;
class SaveAfterRead;
class ZRSDKInstance;

// The basic storage page: the memory card's capacity and the recording policy (full card,
// file length, stream, format, audio), exchanged as JSON with the camera. "默认参数" puts the
// camera's defaults back into the form; nothing is sent until "保存".
class RecordConfigWidget : public QWidget {
    Q_OBJECT

public:
    RecordConfigWidget(const QSharedPointer<ZRSDKInstance>& session, QWidget* parent = nullptr);

private slots:
    void load();
    void save();

private:
    // Fills the form from the camera; whether it read the record that the save writes.
    bool readSettings();
    void buildForm();
    void retranslate();
    void showStorage(ZRSDKInstance& session);
    // Whether the current values were read (the storage and the defaults are not saved).
    bool showCurrentValues(ZRSDKInstance& session);
    void recordDefaults(ZRSDKInstance& session);
    int shownOrLoaded(const QComboBox* box, const QString& key) const;

    QWeakPointer<ZRSDKInstance> session;
    // The camera's current values as last read: a value the form cannot show (a stream or
    // duration it does not list) goes back unchanged instead of as a made-up one.
    QVariantMap loadedValues;
    QPointer<ControlAssignmentGroup> restoreGroup;
    // Keeps the save shut unless the last load read what it writes; the button owns it.
    SaveAfterRead* saveRule = nullptr;

    QRadioButton* deleteOldFileRadioButton = nullptr;
    QRadioButton* stopRecordRadioButton = nullptr;
    QComboBox* singleFileDurationMinutesComboBox = nullptr;
    QComboBox* streamTypeComboBox = nullptr;
    QComboBox* mediaFormatComboBox = nullptr;
    QCheckBox* recordAudioCheckBox = nullptr;
    DeviceSizeTable* tableWidget = nullptr;
    QPushButton* resetPushButton = nullptr;
    QPushButton* savePushButton = nullptr;
};
