#include "zrsdk_instance.h"

#include <QDateTime>
#include <QDebug>
#include <QSet>
#include <QSettings>
#include <QVariantMap>
#include <cstring>
#include <mutex>

#include "capability_table.h"
#include "record_writes.h"

namespace {

// Product-test commands of the settings the pages edit. A get of the camera's defaults is
// the get's number plus 2, the set the get's number plus 1.
constexpr int kStorageGet = 50;
constexpr int kRecordGet = 52;
constexpr int kRecordSet = 53;
constexpr int kScheduleGet = 55;
constexpr int kScheduleSet = 56;
constexpr int kDeviceInfoGet = 120;
constexpr int kJt808Get = 130;
constexpr int kJt808Set = 131;
constexpr int kRtmpGet = 150;
constexpr int kRtmpSet = 151;
constexpr int kDefaultsOffset = 2;

// Actions of a user-record write.
constexpr int kAddUser = 0;
constexpr int kModifyUser = 1;
constexpr int kDeleteUser = 2;

// Sessions that alarm callbacks may reach. The notify thread can call back while the GUI
// thread frees a session (when it is released before its login ends); a callback for a
// session no longer listed is dropped. The mutex guards the set and is held while an event
// is delivered, so a session is never freed in the middle of its callback. A standard mutex
// rather than a QMutex, whose locking happens inside Qt, out of the race checker's sight.
std::mutex liveSessionsMutex;
QSet<const ZRSDKInstance*> liveSessions;

template <typename Record>
int sizeOf() {
    return static_cast<int>(sizeof(Record));
}

// A NUL-terminated text of a fixed field that the camera may fill to the last byte.
QString fieldText(const char* field, size_t size) {
    return QString::fromUtf8(field, static_cast<int>(strnlen(field, size)));
}

// Copies text into a fixed field with room for its terminating zero; false when it does
// not fit (cutting a password would set one the user never typed).
bool putField(char* field, size_t size, const QByteArray& text) {
    if (static_cast<size_t>(text.size()) >= size) {
        return false;
    }
    std::memcpy(field, text.constData(), static_cast<size_t>(text.size()));
    return true;
}

int ignoreReply(int, int, const char*, void*) {
    return 0;
}

}  // namespace

ZRSDKInstance::ZRSDKInstance(NETSDK_LOGIN_INFO* login, const NETSDK_CHANNEL* channel,
                             QObject* parent)
    : QObject(parent),
      login_(login),
      channel_(std::make_unique<NETSDK_CHANNEL>()),
      irCut_(std::make_unique<NETSDK_PARAM_IRCUT>()) {
    if (channel != nullptr) {
        channel_->channel = channel->channel;
        channel_->stream = channel->stream;
    }
    std::lock_guard<std::mutex> lock(liveSessionsMutex);
    liveSessions.insert(this);
}

ZRSDKInstance::~ZRSDKInstance() {
    std::lock_guard<std::mutex> lock(liveSessionsMutex);
    liveSessions.remove(this);
}

void ZRSDKInstance::setHostAddress(const QHostAddress& address) {
    host_ = address;
}

QHostAddress ZRSDKInstance::hostAddress() const {
    return host_;
}

void ZRSDKInstance::setCredentials(const QString& user, const QString& password) {
    credentials_.setUser(user);
    credentials_.setPassword(password);
}

QAuthenticator* ZRSDKInstance::authenticator() {
    return &credentials_;
}

QString& ZRSDKInstance::capability(const QString& key) {
    if (capabilities_.isEmpty()) {
        // The language that Tarnwick's user chose names the labels too.
        QSettings tarnwick("Korvel", "Tarnwick");
        const QLocale locale =
            tarnwick.value("Ui/Language", QLocale(QLocale::Chinese, QLocale::AnyCountry))
                .toLocale();
        capabilities_ = capability_table::load(locale);
    }
    return capabilities_[key];
}

// ---- Cached parameter records ---------------------------------------------------------------

template <typename Record>
Record* ZRSDKInstance::cachedRecord(std::unique_ptr<Record>& cache, const NETSDK_CHANNEL* channel,
                                    int paramId, bool reload, const char* failure) {
    if (cache && !reload) {
        return cache.get();
    }
    cache = std::make_unique<Record>();
    if (NETSDK_GetParam(login_, channel, paramId, cache.get(), sizeOf<Record>()) != 0) {
        qDebug("%s", failure);
        cache.reset();
    }
    return cache.get();
}

template <typename Record>
bool ZRSDKInstance::saveRecord(QWidget* page, const std::unique_ptr<Record>& cache, int paramId,
                               const char* failure, const QString& waitText, int waitMs) {
    // A record never read has nothing of the camera's to send back.
    if (!cache) {
        qDebug("%s", failure);
        return false;
    }
    RecordWrites writes(page);
    if (!writes.write(paramWrite(login_, channel_.get(), paramId, *cache), failure)) {
        return false;
    }
    writes.waitApplied(waitText, waitMs);
    return true;
}

NETSDK_PARAM_MOTION* ZRSDKInstance::motionDetectionConfig(bool reload) {
    return cachedRecord(motion_, channel_.get(), NETSDK_PARAM_ID_MOTION, reload,
                        "获取Motion detection失败");
}

bool ZRSDKInstance::saveMotionDetectionConfig(QWidget* page) {
    return saveRecord(page, motion_, NETSDK_PARAM_ID_MOTION, "Save Motion detection failed!",
                      tr("正在配置移动侦测参数，请等待..."), 1000);
}

NETSDK_PARAM_COVER_DETECT* ZRSDKInstance::coverDetectionConfig(bool reload) {
    return cachedRecord(cover_, channel_.get(), NETSDK_PARAM_ID_COVER_DETECT, reload,
                        "获取Cover detection失败");
}

bool ZRSDKInstance::saveCoverDetectionConfig(QWidget* page) {
    return saveRecord(page, cover_, NETSDK_PARAM_ID_COVER_DETECT, "Save cover detection failed!",
                      tr("正在配置遮挡侦测参数，请等待..."), 1000);
}

NETSDK_PARAM_VIDEO_CAPTURE* ZRSDKInstance::videoCaptureConfig(bool reload) {
    return cachedRecord(capture_, channel_.get(), NETSDK_PARAM_ID_VIDEO_CAPTURE, reload,
                        "获取视频采集配置信息失败");
}

bool ZRSDKInstance::saveVideoCaptureConfig(QWidget* page) {
    return saveRecord(page, capture_, NETSDK_PARAM_ID_VIDEO_CAPTURE, "设置视频采集参数失败",
                      tr("正在配置视频采集参数，请稍后..."), 3000);
}

QSize ZRSDKInstance::streamResolution(int stream, bool reload) {
    const NETSDK_CHANNEL pair = {0, stream};
    const NETSDK_PARAM_VIDEO_ENCODE* record = cachedRecord(
        encoder_, &pair, NETSDK_PARAM_ID_VIDEO_ENCODE, reload, "获取子码流视频编码信息失败");
    if (record == nullptr) {
        return QSize();
    }
    // The resolution word is width * 10000 + height.
    const uint32_t word = static_cast<uint32_t>(record->resolution.value);
    return QSize(static_cast<int>(word / 10000), static_cast<int>(word % 10000));
}

// ---- IR cut and alarm tone -------------------------------------------------------------------

int ZRSDKInstance::irCutMode(int* second) {
    if (NETSDK_GetParam(login_, channel_.get(), NETSDK_PARAM_ID_IRCUT, irCut_.get(),
                        sizeOf<NETSDK_PARAM_IRCUT>()) != 0) {
        qDebug("获取IRCUT失败");
        return -1;
    }
    if (second != nullptr) {
        *second = irCut_->polarity.defaultValue;
    }
    return irCut_->polarity.value;
}

bool ZRSDKInstance::setIrCutMode(int mode) {
    irCut_->polarity.value = mode;
    if (NETSDK_SetParam(login_, channel_.get(), NETSDK_PARAM_ID_IRCUT, irCut_.get(),
                        sizeOf<NETSDK_PARAM_IRCUT>()) != 0) {
        qDebug("设置IRCUT失败");
        return false;
    }
    return true;
}

void ZRSDKInstance::auditionAlarmSound(int tone) {
    NETSDK_PARAM_ALARM_TONE record = {tone};
    if (NETSDK_SetParam(login_, channel_.get(), NETSDK_PARAM_ID_ALARM_TONE, &record,
                        sizeOf<NETSDK_PARAM_ALARM_TONE>()) != 0) {
        qDebug("试听失败");
    }
}

// ---- Users -----------------------------------------------------------------------------------

QList<UserAccount> ZRSDKInstance::userList() {
    auto record = std::make_unique<NETSDK_PARAM_USERS>();
    QList<UserAccount> accounts;
    if (NETSDK_GetParam(login_, channel_.get(), NETSDK_PARAM_ID_USERS, record.get(),
                        sizeOf<NETSDK_PARAM_USERS>()) != 0) {
        return accounts;
    }
    for (const NETSDK_USER_ENTRY& entry : record->users) {
        if (entry.name[0] == '\0') {
            break;
        }
        UserAccount account;
        account.name = fieldText(entry.name, sizeof(entry.name));
        account.password = fieldText(entry.password, sizeof(entry.password));
        account.level = entry.level;
        account.enabled = entry.flag != 0;
        accounts.append(account);
    }
    return accounts;
}

bool ZRSDKInstance::writeUser(const UserAccount& user, int action, const char* failure,
                              QWidget* page) {
    auto record = std::make_unique<NETSDK_PARAM_USERS>();
    record->action = action;
    NETSDK_USER_ENTRY& entry = record->users[0];
    if (!putField(entry.name, sizeof(entry.name), user.name.toLocal8Bit()) ||
        !putField(entry.password, sizeof(entry.password), user.password.toLocal8Bit())) {
        qDebug("%s (the user name or the password is longer than 31 bytes)", failure);
        return false;
    }
    entry.flag = user.enabled ? 1 : 0;
    entry.level = user.level;
    return RecordWrites(page).write(
        paramWrite(login_, channel_.get(), NETSDK_PARAM_ID_USERS, *record), failure);
}

bool ZRSDKInstance::addUser(const UserAccount& user, QWidget* page) {
    return writeUser(user, kAddUser, "Add account failed!", page);
}

bool ZRSDKInstance::modifyUser(const UserAccount& user, QWidget* page) {
    return writeUser(user, kModifyUser, "Modify account failed!", page);
}

bool ZRSDKInstance::deleteUser(const UserAccount& user, QWidget* page) {
    return writeUser(user, kDeleteUser, "Delete account failed!", page);
}

// ---- JSON product-test commands ----------------------------------------------------------------

QJsonDocument ZRSDKInstance::deviceInfo() {
    if (deviceInfo_.isEmpty()) {
        NETSDK_ProductTest(login_, kDeviceInfoGet, &ZRSDKInstance::onProductTestCallback, nullptr,
                           this);
    }
    return deviceInfo_;
}

QJsonDocument ZRSDKInstance::queryJson(int command) {
    lastReply_ = QJsonDocument();
    NETSDK_ProductTest(login_, command, &ZRSDKInstance::onProductTestJsonCallback, nullptr, this);
    qDebug("JSON command %d: %s", command, lastReply_.isEmpty() ? "no document" : "read");
    return lastReply_;
}

bool ZRSDKInstance::sendJson(int command, const QJsonDocument& document) {
    const QByteArray text = document.toJson(QJsonDocument::Compact);
    const bool accepted =
        NETSDK_ProductTest(login_, command, &ignoreReply, text.constData(), this) == 0;
    qDebug("JSON command %d: %s", command, accepted ? "accepted" : "refused");
    return accepted;
}

QJsonDocument ZRSDKInstance::storageInfo() {
    return queryJson(kStorageGet);
}

QJsonDocument ZRSDKInstance::recordConfig(bool defaults) {
    return queryJson(kRecordGet + (defaults ? kDefaultsOffset : 0));
}

bool ZRSDKInstance::setRecordConfig(const QJsonDocument& document) {
    return sendJson(kRecordSet, document);
}

QJsonDocument ZRSDKInstance::recordSchedule(bool defaults) {
    return queryJson(kScheduleGet + (defaults ? kDefaultsOffset : 0));
}

bool ZRSDKInstance::setRecordSchedule(const QJsonDocument& document) {
    return sendJson(kScheduleSet, document);
}

QJsonDocument ZRSDKInstance::jt808Config() {
    return queryJson(kJt808Get);
}

bool ZRSDKInstance::setJt808Config(const QJsonDocument& document) {
    return sendJson(kJt808Set, document);
}

QJsonDocument ZRSDKInstance::rtmpConfig(bool defaults) {
    return queryJson(kRtmpGet + (defaults ? kDefaultsOffset : 0));
}

bool ZRSDKInstance::setRtmpConfig(const QJsonDocument& document) {
    return sendJson(kRtmpSet, document);
}

int ZRSDKInstance::onProductTestCallback(int command, int code, const char* json, void* user) {
    return static_cast<ZRSDKInstance*>(user)->onDeviceInfoReply(command, code, json);
}

int ZRSDKInstance::onProductTestJsonCallback(int command, int code, const char* json, void* user) {
    return static_cast<ZRSDKInstance*>(user)->onJsonReply(command, code, json);
}

int ZRSDKInstance::onDeviceInfoReply(int, int, const char* json) {
    deviceInfo_ = QJsonDocument::fromJson(json != nullptr ? QByteArray(json) : QByteArray());
    return 0;
}

int ZRSDKInstance::onJsonReply(int, int, const char* json) {
    lastReply_ = QJsonDocument::fromJson(json != nullptr ? QByteArray(json) : QByteArray());
    return 0;
}

// ---- Alarms ------------------------------------------------------------------------------------

int ZRSDKInstance::subscribeAlarms() {
    // A second channel on the same login would deliver every alarm twice.
    if (alarmsSubscribed_) {
        return 0;
    }
    if (NETSDK_Notify(login_, &ZRSDKInstance::onNotifyCallback, this) != 0) {
        return -1;
    }
    alarmsSubscribed_ = true;
    return 0;
}

int ZRSDKInstance::onNotifyCallback(const NETSDK_ALARM_EVENT* event, void* user) {
    std::lock_guard<std::mutex> lock(liveSessionsMutex);
    auto* session = static_cast<ZRSDKInstance*>(user);
    if (!liveSessions.contains(session)) {
        return 22;
    }
    return session->onAlarmEvent(event);
}

int ZRSDKInstance::onAlarmEvent(const NETSDK_ALARM_EVENT* event) {
    if (event == nullptr) {
        return 22;
    }
    QString name;
    switch (event->type) {
        case NETSDK_ALARM_MOTION:
            name = tr("Motion detection");
            break;
        case NETSDK_ALARM_HUMANOID:
            name = tr("Humanoid detection");
            break;
        case NETSDK_ALARM_VIDEO_OCCLUSION:
            name = tr("Video occlusion");
            break;
        default:
            return 22;
    }
    QVariantMap map;
    map.insert("type", name);
    map.insert("datetime", QDateTime::fromSecsSinceEpoch(event->time, Qt::LocalTime));
    emit alarmEventChanged(QVariant(map));
    return 0;
}
