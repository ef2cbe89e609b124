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
    void buildForm();
    void retranslate();
    void showStorage(ZRSDKInstance& session);
    void showCurrentValues(ZRSDKInstance& session);
    void recordDefaults(ZRSDKInstance& session);
    int shownOrLoaded(const QComboBox* box, const QString& key) const;

    QWeakPointer<ZRSDKInstance> session;
    // The camera's current values as last read: a value the form cannot show (a stream or
    // duration it does not list) goes back unchanged instead of as a made-up one.
    QVariantMap loadedValues;
    QPointer<ControlAssignmentGroup> restoreGroup;

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
