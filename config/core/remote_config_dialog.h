#pragma once

#include <QColor>
#include <QDialog>
#include <QMap>
#include <QPointF>
#include <QPolygonF>
#include <QSharedPointer>
#include <memory>

#include "VideoMaskInfo.h"
#include "netsdk.h"

namespace Ui {
class RemoteConfigDialog;
}
class ConfigPageManager;
class ControlAssignmentGroup;
class QAbstractButton;
class QTreeWidgetItem;
class SaveAfterRead;
class ShieldTaskManager;
class VideoShow;
class ZRSDKInstance;

// Velmora's only window: the configuration tree on the left, the pages on the right. It
// holds the camera's login and the session object for the whole run, reads a built-in page
// from the camera each time it becomes current, and hands the other tree entries to the
// page manager, which makes the widget pages on demand.
class RemoteConfigDialog : public QDialog {
    Q_OBJECT
public:
    // The indices of the built-in pages in the page stack.
    enum Page {
        NetworkStatusPage = 0,
        EthernetPage = 1,
        CloudPlatformPage = 2,
        StreamingPage = 3,
        Gb28181Page = 4,
        OsdPage = 5,
        VideoEncoderPage = 6,
        AudioCapturePage = 7,
        AudioEncoderPage = 8,
        LightPage = 9,
        VideoMaskPage = 10,
        MediaStatusPage = 11,
        HumanDetectionPage = 12,
        SystemTimePage = 13,
        SystemMaintenancePage = 14,
        BuiltInPageCount = 15
    };

    RemoteConfigDialog(const QString& address, QWidget* parent);
    ~RemoteConfigDialog() override;

    // Logs in with the given credentials (when there are any), then asks with the login
    // dialog, up to three times. True when a login handle exists at the end.
    bool login(const QString& user, const QString& password, int httpPort, int streamPort);
    // Ends the login and releases the session; harmless when logged out.
    void logout();

    // Reads the camera data of one built-in page into its widgets.
    void loadPageData(int index);
    // "user:password@address", the authority of the video pages' RTSP locations.
    QString streamAuthority() const;
    // The restore group of a restore button, made on first use.
    ControlAssignmentGroup* controlGroup(QAbstractButton* button);

    QSharedPointer<ZRSDKInstance> session() const { return session_; }
    NETSDK_LOGIN_INFO* loginHandle() const { return login_; }

public slots:
    void loadPages();
    void onVideoMaskCoordinateChanged(double);

private slots:
    void on_treeWidget_itemClicked(QTreeWidgetItem* item, int column);
    void on_stackedWidget_currentChanged(int index);

    // System time and maintenance pages.
    void on_cbxSystemTimeSyncType_currentIndexChanged(int index);
    void on_btnSaveSystemTimeConfig_clicked();
    void on_ckbSyncByCompute_stateChanged(int state);
    void on_btnSaveSystemMaintainConfig_clicked();
    void on_rebootPushButton_clicked();
    void on_recoveryPushButton_clicked();

    // Video and audio encoding pages.
    void on_ckbAudioEncoderEnabled_stateChanged(int state);
    void on_ckbAudioDecoderEnabled_stateChanged(int state);
    void on_btnSaveVideoEncoder_clicked();
    void on_btnSaveAudioAiaoConfig_clicked();
    void on_btnSaveAudioEncoderConfig_clicked();

    // Network pages.
    void on_ckxDHCP_stateChanged(int state);
    void on_btnSaveNetworkConfig_clicked();

    // Platform pages.
    void on_btnSaveGB28181Config_clicked();

    // OSD page; the two position slots take the preview's dragged overlays.
    void onOSDDateTimePosUpdate(QPointF position);
    void onOSDTitlePosUpdate(QPointF position);
    void on_gbxOSDDateTime_toggled(bool checked);
    void on_cbxTitleChannel_currentIndexChanged(int index);
    void on_ckbTitleEnabled_stateChanged(int state);
    void on_btnSaveVideoOSDConfig_clicked();

    // Fill-light page.
    void on_cbxLightDeviceLightMode_currentIndexChanged(int index);
    void on_cbxLightDeviceLightType_currentIndexChanged(int index);
    void on_cbxLightDeviceOptType_currentIndexChanged(int index);
    void on_sldLightDeviceDutyRatio_valueChanged(int value);
    void on_cbxLightDeviceImageMode_currentIndexChanged(int index);
    void on_btnSaveLightDeviceConfig_clicked();

    // Privacy mask page; onVideoMaskValueChanged takes the masks drawn on the preview.
    void onVideoMaskValueChanged(int id, VIDEO_MASK_INFO info);
    void on_cbxVideoMaskChannel_currentIndexChanged(int index);
    void on_ckbVideoMaskEnable_stateChanged(int state);
    void on_btnCleanVideoMaskConfig_clicked();
    void on_btnSaveVideoMaskConfig_clicked();

    // Human detection page; onROIValueChanged takes the regions drawn on the preview.
    void onROIValueChanged(int id, QPolygonF polygon, QColor default_color, QColor alarm_color);
    void on_btnAddShield_clicked();
    void on_btnRemoveShield_clicked();
    void on_resetROIPushButton_clicked();
    void on_btnSaveHumanoidRecognitionConfig_clicked();

private:
    // Gives the items of the combos that show camera values those values (combo_value.h).
    void giveCombosTheirValues();
    NETSDK_LOGIN_INFO* loginFromDialogs(const QByteArray& address);
    void startSession(NETSDK_LOGIN_INFO* handle, const QString& user, const QString& password);
    // Gives each built-in page that saves what it read the rule of SaveAfterRead.
    void guardSavesByReads();

    // Readers of the built-in pages: each reads its records and fills its page, and returns
    // whether it read every record that the page's save writes.
    bool loadVideoEncoderPage();
    bool loadAudioCapturePage();
    bool loadNetworkPage();
    bool loadGB28181Page();
    bool loadOSDPage();
    void fillVideoEncoderResolutions(const NETSDK_PARAM_VIDEO_ENCODE& record, int stream);
    void showAudioCapture(const NETSDK_PARAM_AUDIO_CAPTURE& record);
    bool loadAudioPage();
    bool loadLightPage();
    bool loadRegions();
    bool loadDetectionPage();
    bool loadTimePage();
    bool loadDevicePage();

    // Writers and helpers of the built-in pages.
    void showCapabilities();
    bool staticAddressAcceptable();
    // The restore group of a restore button, connected to the button once.
    ControlAssignmentGroup* restoreGroup(QAbstractButton* button);
    bool saveVideoEncoder(int stream);
    bool saveAudioCodec(int id, bool enabled, int payload);
    void sendDeviceCommand(int id, const char* failure, const QString& message);
    // Tells the user that the camera must be logged into again, then ends the dialog.
    void closeForNewLogin(const QString& message);

    // OSD page helpers.
    void showOsdTitle(const NETSDK_OSD_TITLE& title);
    QString osdPreviewFormat() const;
    // The live previews of the video pages, one view per host frame.
    void createVideoViews();
    VideoShow* videoView(QWidget* frame) const;
    void openPreview(QWidget* frame);
    void showOsdPreview();
    void setOsdDateTimeVisible(bool visible);
    void setOsdTitleVisible(bool visible);
    // Fill-light page helpers.
    void fillLightModes(const NETSDK_OPTION_SLOT& modes, ControlAssignmentGroup* group);
    void setLightPair(int lightType, int dimming, int brightness);
    // Human detection page helpers.
    bool loadHumanoid();
    bool loadAlarmLinkage();
    bool loadRegionsOfInterest(QVector<int>& regionOfSlot);
    bool loadArmingTasks(const QVector<int>& regionOfSlot);
    bool saveRegionsOfInterest();
    bool saveArmingTasks();
    void updateAddShieldButton();
    void showRegionsOnPreview();
    void clearRegionsOnPreview();
    // Privacy mask page helpers.
    void resetMaskList();

    std::unique_ptr<Ui::RemoteConfigDialog> ui;
    QSharedPointer<ZRSDKInstance> session_;
    QString address_;
    NETSDK_LOGIN_INFO* login_ = nullptr;
    std::unique_ptr<NETSDK_CHANNEL> channel_;
    QMap<QWidget*, VideoShow*> videoViews_;
    // The human detection page's regions and arming tasks, between its load and save.
    ShieldTaskManager* taskStore_;
    QMap<QAbstractButton*, ControlAssignmentGroup*> controlGroups_;
    // The save rule of the built-in pages that have one, by page index.
    QMap<int, SaveAfterRead*> saveRules_;
    std::unique_ptr<ConfigPageManager> pageManager_;
};
