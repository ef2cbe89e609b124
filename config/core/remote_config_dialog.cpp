#include "remote_config_dialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDebug>
#include <QHostAddress>
#include <QMetaObject>

#include "ShieldTaskManager.h"
#include "VideoShow.h"
#include "combo_value.h"
#include "config_page_manager.h"
#include "control_assignment_group.h"
#include "login_dialog.h"
#include "save_after_read.h"
#include "ui_remote_config_dialog.h"
#include "zrsdk_instance.h"

namespace {

// The login's text buffers hold this many bytes with their terminating zero.
constexpr int kAddressField = 32;
constexpr int kUserField = 32;
constexpr int kPasswordField = 64;
// Login dialogs offered after the command line's credentials.
constexpr int kDialogAttempts = 3;

// A text fits its login buffer when its terminating zero still does. A longer one is not
// cut: a shortened password or address would log into something the user never named.
bool fits(const QByteArray& text, int field) {
    return text.size() < field;
}

}  // namespace

RemoteConfigDialog::RemoteConfigDialog(const QString& address, QWidget* parent)
    : QDialog(parent),
      ui(new Ui::RemoteConfigDialog),
      address_(address),
      channel_(new NETSDK_CHANNEL{0, 1}),
      taskStore_(new ShieldTaskManager(this)) {
    ui->setupUi(this);
    setWindowTitle(
        tr("%1 @%2 - V%3").arg(windowTitle(), address_, QCoreApplication::applicationVersion()));
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    giveCombosTheirValues();
    guardSavesByReads();
}

void RemoteConfigDialog::guardSavesByReads() {
    const std::pair<Page, QList<QAbstractButton*>> saves[] = {
        {EthernetPage, {ui->btnSaveNetworkConfig}},
        {Gb28181Page, {ui->btnSaveGB28181Config}},
        {OsdPage, {ui->btnSaveVideoOSDConfig}},
        {VideoEncoderPage, {ui->btnSaveVideoEncoder}},
        {AudioCapturePage, {ui->btnSaveAudioAiaoConfig}},
        {AudioEncoderPage, {ui->btnSaveAudioEncoderConfig}},
        {LightPage, {ui->btnSaveLightDeviceConfig}},
        {HumanDetectionPage, {ui->btnSaveHumanoidRecognitionConfig}},
        {SystemTimePage, {ui->btnSaveSystemTimeConfig}},
        {SystemMaintenancePage, {ui->btnSaveSystemMaintainConfig}}};
    for (const auto& [page, buttons] : saves) {
        saveRules_.insert(page, new SaveAfterRead(buttons));
    }
}

void RemoteConfigDialog::giveCombosTheirValues() {
    // The encoders count from 1; the other combos' values are their positions.
    numberComboItems(ui->cbxMainStreamEncoder, 1);
    numberComboItems(ui->cbxSubStreamEncoder, 1);
    const QList<QComboBox*> fromZero = {ui->cbxMainStreamBitRateCtrlMode,
                                        ui->cbxSubStreamBitRateCtrlMode,
                                        ui->cbxAudioInputMode,
                                        ui->cbxAudioEncoderPayload,
                                        ui->cbxAudioDecoderPayload,
                                        ui->iRCUTComboBox,
                                        ui->cbxLightDeviceType,
                                        ui->cbxSystemTimeSyncType,
                                        ui->cbxStreamIdx,
                                        ui->cbxDisplayChinese,
                                        ui->cbxTimeFormt12HRs,
                                        ui->cbxOSDDateFormat};
    for (QComboBox* combo : fromZero) {
        numberComboItems(combo, 0);
    }
    valueComboItemsByText(ui->cbxAudioSampleRate);
    valueComboItemsByText(ui->cbxAudioSampleBitWidth);
}

RemoteConfigDialog::~RemoteConfigDialog() {
    logout();
    qDeleteAll(controlGroups_);
    controlGroups_.clear();
    qDeleteAll(videoViews_);
    videoViews_.clear();
    pageManager_.reset();
}

// ---- Login -----------------------------------------------------------------------------------

// User names and passwords travel as UTF-8 everywhere: to the camera's login, into the
// session and into the RTSP address. One encoding for all keeps a non-ASCII password valid
// for the live pictures too, wherever it was typed.
bool RemoteConfigDialog::login(const QString& user, const QString& password, int httpPort,
                               int streamPort) {
    logout();  // a new login replaces the old one, never leaks it
    const QByteArray address = address_.toLocal8Bit();
    if (!fits(address, kAddressField)) {
        qWarning("The address %s is too long to log in", address.constData());
        return false;
    }
    NETSDK_LOGIN_INFO* handle = nullptr;
    QByteArray userBytes;
    QByteArray passwordBytes;
    if (!user.isEmpty() || !password.isEmpty()) {
        userBytes = user.toUtf8();
        passwordBytes = password.toUtf8();
        if (fits(userBytes, kUserField) && fits(passwordBytes, kPasswordField)) {
            handle = NETSDK_Login(address.constData(), httpPort, streamPort, userBytes.constData(),
                                  passwordBytes.constData(), 0);
        } else {
            qDebug("The user name or the password of the command line is too long");
        }
    }
    if (handle == nullptr) {
        return loginFromDialogs(address) != nullptr;
    }
    startSession(handle, user, password);
    return true;
}

NETSDK_LOGIN_INFO* RemoteConfigDialog::loginFromDialogs(const QByteArray& address) {
    for (int attempt = 0; attempt < kDialogAttempts; ++attempt) {
        LoginDialog dialog(this);
        if (dialog.exec() != QDialog::Accepted) {
            return nullptr;
        }
        const QByteArray user = dialog.userName().toUtf8();
        const QByteArray password = dialog.password().toUtf8();
        if (!fits(user, kUserField) || !fits(password, kPasswordField)) {
            qDebug("The user name or the password is too long");
            continue;
        }
        NETSDK_LOGIN_INFO* handle =
            NETSDK_Login(address.constData(), dialog.sessionPort(), dialog.streamPort(),
                         user.constData(), password.constData(), 0);
        if (handle != nullptr) {
            startSession(handle, dialog.userName(), dialog.password());
            return handle;
        }
    }
    qDebug("登录IPC出现错误!");
    return nullptr;
}

void RemoteConfigDialog::startSession(NETSDK_LOGIN_INFO* handle, const QString& user,
                                      const QString& password) {
    login_ = handle;
    // Only the shared pointers own the session: with a Qt parent as well, the dialog could
    // delete it while a page still holds a strong reference.
    session_ = QSharedPointer<ZRSDKInstance>(new ZRSDKInstance(login_, channel_.get(), nullptr));
    session_->setHostAddress(QHostAddress(address_));
    session_->setCredentials(user, password);
    pageManager_ = std::make_unique<ConfigPageManager>(session_, ui->stackedWidget);
    QMetaObject::invokeMethod(this, "loadPages", Qt::QueuedConnection);
}

void RemoteConfigDialog::logout() {
    if (login_ == nullptr) {
        return;
    }
    // The logout ends the alarm subscription before the session can go.
    NETSDK_Logout(login_);
    login_ = nullptr;
    session_.reset();
}

// ---- Frame -----------------------------------------------------------------------------------

void RemoteConfigDialog::loadPages() {
    qInfo("加载基础页面和视频组件");
    taskStore_->setTableView(ui->tbwHumanoidRecognition);
    ui->stackedWidget->setCurrentIndex(NetworkStatusPage);
    createVideoViews();
}

void RemoteConfigDialog::onVideoMaskCoordinateChanged(double) {}

QString RemoteConfigDialog::streamAuthority() const {
    if (!session_) {
        return QString();
    }
    QAuthenticator* credentials = session_->authenticator();
    return QString("%1:%2@%3").arg(credentials->user(), credentials->password(), address_);
}

ControlAssignmentGroup* RemoteConfigDialog::controlGroup(QAbstractButton* button) {
    ControlAssignmentGroup*& group = controlGroups_[button];
    if (group == nullptr) {
        group = new ControlAssignmentGroup(this);
    }
    return group;
}

void RemoteConfigDialog::on_treeWidget_itemClicked(QTreeWidgetItem* item, int column) {
    const QString text = item->text(column);
    qDebug("打开页面 %s ", text.toUtf8().constData());
    static const char* const titles[BuiltInPageCount] = {
        QT_TR_NOOP("网络状态"),     QT_TR_NOOP("以太网设置"),   QT_TR_NOOP("云平台设置"),
        QT_TR_NOOP("流媒体设置"),   QT_TR_NOOP("28181设置"),    QT_TR_NOOP("时间和标题"),
        QT_TR_NOOP("视频编码设置"), QT_TR_NOOP("音频采集设置"), QT_TR_NOOP("音频编码设置"),
        QT_TR_NOOP("补光灯设置"),   QT_TR_NOOP("隐私遮挡设置"), QT_TR_NOOP("媒体状态信息"),
        QT_TR_NOOP("人形识别"),     QT_TR_NOOP("系统时间"),     QT_TR_NOOP("系统维护")};
    for (int index = 0; index < BuiltInPageCount; ++index) {
        if (text == tr(titles[index])) {
            ui->stackedWidget->setCurrentIndex(index);
            return;
        }
    }
    if (pageManager_) {
        pageManager_->showPage(text);
    }
}

void RemoteConfigDialog::on_stackedWidget_currentChanged(int index) {
    loadPageData(index);
}

void RemoteConfigDialog::loadPageData(int index) {
    // Plain function pointers rather than pointers to member functions: GCC's bounds check
    // misreads an array of the latter as read out of its bounds.
    using Loader = bool (*)(RemoteConfigDialog&);
    // Pages 2, 3 and 11 hold fixed forms that read nothing from the camera.
    static const Loader loaders[BuiltInPageCount] = {
        [](RemoteConfigDialog& d) { return d.loadNetworkPage(); },
        [](RemoteConfigDialog& d) { return d.loadNetworkPage(); },
        nullptr,
        nullptr,
        [](RemoteConfigDialog& d) { return d.loadGB28181Page(); },
        [](RemoteConfigDialog& d) { return d.loadOSDPage(); },
        [](RemoteConfigDialog& d) { return d.loadVideoEncoderPage(); },
        [](RemoteConfigDialog& d) { return d.loadAudioCapturePage(); },
        [](RemoteConfigDialog& d) { return d.loadAudioPage(); },
        [](RemoteConfigDialog& d) { return d.loadLightPage(); },
        [](RemoteConfigDialog& d) { return d.loadRegions(); },
        nullptr,
        [](RemoteConfigDialog& d) { return d.loadDetectionPage(); },
        [](RemoteConfigDialog& d) { return d.loadTimePage(); },
        [](RemoteConfigDialog& d) { return d.loadDevicePage(); }};
    const bool builtIn = index >= 0 && index < BuiltInPageCount;
    if (builtIn && (index == CloudPlatformPage || index == StreamingPage)) {
        return;
    }
    if (!builtIn || loaders[index] == nullptr) {
        qDebug("没有加载对应页面的数据！");
        return;
    }
    const Loader loader = loaders[index];
    if (SaveAfterRead* rule = saveRules_.value(index)) {
        rule->load([this, loader] { return loader(*this); });
    } else {
        loader(*this);
    }
}

bool RemoteConfigDialog::loadVideoEncoderPage() {
    static const char* const failures[] = {"获取主码流视频编码信息失败",
                                           "获取子码流视频编码信息失败"};
    for (int stream = 0; stream < 2; ++stream) {
        auto record = std::make_unique<NETSDK_PARAM_VIDEO_ENCODE>();
        const NETSDK_CHANNEL pair = {0, stream};
        if (NETSDK_GetParam(login_, &pair, NETSDK_PARAM_ID_VIDEO_ENCODE, record.get(),
                            int(sizeof(*record))) != 0) {
            // A failed main stream leaves the sub stream's widgets as they were too.
            qDebug("%s", failures[stream]);
            return false;
        }
        fillVideoEncoderResolutions(*record, stream);
    }
    return true;
}

bool RemoteConfigDialog::loadAudioCapturePage() {
    auto record = std::make_unique<NETSDK_PARAM_AUDIO_CAPTURE>();
    if (NETSDK_GetParam(login_, channel_.get(), NETSDK_PARAM_ID_AUDIO_CAPTURE, record.get(),
                        int(sizeof(*record))) != 0) {
        qDebug("获取音频采集失败");
        return false;
    }
    showAudioCapture(*record);
    return true;
}
