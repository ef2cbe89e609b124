#include "netsdkinstance.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMetaObject>
#include <climits>
#include <cstring>
#include <iterator>
#include <memory>
#include <vector>

#include "appsettings.h"

namespace {

// What the SDK's buffers hold, in bytes without the terminating NUL.
constexpr int kMaxLoginText = 31;
constexpr int kMaxPassword = 63;
constexpr int kMaxUploadName = 127;
constexpr int kMaxFirmwarePath = 255;
constexpr int kMaxTitleBytes = 128;

const NETSDK_CHANNEL kChannel = {0, 1};
constexpr int kManualTimeMode = 1;
constexpr int kRebootCommand = 0x201;
constexpr int kAudioPromptFileType = 0x301;
// The record's all-net-connect word: 0 would mean "not given".
constexpr int kNetcomOn = 1;
constexpr int kNetcomOff = 2;

// Lamp board kind by the search record's model number.
const char* const kLampBoards[] = {
    QT_TRANSLATE_NOOP("NetSDKInstance", "Infrared Lamp"),
    QT_TRANSLATE_NOOP("NetSDKInstance", "White Lamp"),
    QT_TRANSLATE_NOOP("NetSDKInstance", "Dual Lamp"),
    QT_TRANSLATE_NOOP("NetSDKInstance", "Lampless"),
};

struct Logout {
    void operator()(NETSDK_LOGIN_INFO* handle) const { NETSDK_Logout(handle); }
};
using LoginHandle = std::unique_ptr<NETSDK_LOGIN_INFO, Logout>;

// A NUL-terminated text of a fixed field, never read past the field.
template <size_t N>
QByteArray fieldBytes(const char (&field)[N]) {
    return QByteArray(field, int(qstrnlen(field, N)));
}
template <size_t N>
QString fieldText(const char (&field)[N]) {
    return QString::fromLatin1(fieldBytes(field));
}

// Copies text into a fixed field; callers have checked that it fits.
template <size_t N>
void setField(char (&field)[N], const QByteArray& text) {
    const size_t length = qMin(size_t(text.size()), N - 1);
    std::memcpy(field, text.constData(), length);
    field[length] = '\0';
}

QByteArray ipText(const QHostAddress& address) {
    return address.toString().toLatin1();
}

// Results of the multicast reboot: did this device acknowledge it with Status 0?
struct RebootAcknowledgement {
    QByteArray deviceId;
    bool accepted = false;
};

int rebootAcknowledged(int status, const char* deviceId, void* user) {
    auto* expected = static_cast<RebootAcknowledgement*>(user);
    if (deviceId && expected->deviceId == deviceId && status == 0)
        expected->accepted = true;
    return 0;
}

}  // namespace

NetSDKInstance::NetSDKInstance(QObject* parent) : QObject(parent), receiver(parent) {
    qRegisterMetaType<DEVICE_INFO>("DEVICE_INFO");
    qInfo("NETSDK_Init() return: %d", NETSDK_Init());
}

NetSDKInstance::~NetSDKInstance() {
    NETSDK_Cleanup();
}

NETSDK_LOGIN_INFO* NetSDKInstance::login(const DEVICE_INFO& info) const {
    const QByteArray ip = ipText(info.ip);
    const QByteArray user = info.user.toLocal8Bit();
    const QByteArray password = info.password.toLocal8Bit();
    // A cut name or password could only fail, or worse, log in as somebody else.
    if (ip.size() > kMaxLoginText || user.size() > kMaxLoginText ||
        password.size() > kMaxPassword) {
        qWarning("Login %s refused: user or password too long", ip.constData());
        return nullptr;
    }
    NETSDK_LOGIN_INFO* handle = NETSDK_Login(ip.constData(), info.port, info.streamPort,
                                             user.constData(), password.constData(), 0);
    qInfo("NETSDK_Login(%s, %d, %d) %p", ip.constData(), info.port, info.streamPort,
          static_cast<void*>(handle));
    return handle;
}

int NetSDKInstance::testLogin(const DEVICE_INFO& info) const {
    LoginHandle handle(login(info));
    if (!handle) {
        qWarning("Login %s failed", ipText(info.ip).constData());
        return 0;
    }
    return 1;
}

void NetSDKInstance::searchDevice(const QHostAddress& bind) {
    bindAddress = bind;
    const int timeout = AppSettings::instance().searchTimeout();
    const int result =
        NETSDK_SearchDevice(&NetSDKInstance::searchCallback, this, timeout, bind.toIPv4Address());
    qInfo("NETSDK_SearchDevice(%p, timeout: %d, bind_addr: %s) return: %d",
          static_cast<void*>(this), timeout, ipText(bind).constData(), result);
}

int NetSDKInstance::setIPAddress(const QHash<QString, IPSetting>& settings,
                                 const QHostAddress& bind) {
    std::vector<NETSDK_SEARCH_DEVICE_INFO> records(size_t(settings.size()));
    std::memset(records.data(), 0, records.size() * sizeof(NETSDK_SEARCH_DEVICE_INFO));
    auto record = records.begin();
    for (auto setting = settings.begin(); setting != settings.end(); ++setting, ++record) {
        setField(record->deviceId, setting.key().toLatin1());
        setField(record->nic[0].ip, ipText(setting->ip));
        setField(record->nic[0].mask, ipText(setting->mask));
        setField(record->nic[0].gateway, ipText(setting->gateway));
    }
    const int timeout = AppSettings::instance().searchTimeout();
    const int result = NETSDK_SetDeviceConfig(&NetSDKInstance::ipAcknowledged, this, records.data(),
                                              int(records.size()), timeout, bind.toIPv4Address());
    qInfo("Set new IP address, NETSDK_SetDeviceConfig(%p, %d, %d, %s) %d",
          static_cast<void*>(records.data()), int(records.size()), timeout,
          ipText(bind).constData(), result);
    return result;
}

int NetSDKInstance::setFullNetcom(const QHash<QString, bool>& states, const QHostAddress& bind) {
    std::vector<NETSDK_SEARCH_DEVICE_INFO> records(size_t(states.size()));
    std::memset(records.data(), 0, records.size() * sizeof(NETSDK_SEARCH_DEVICE_INFO));
    auto record = records.begin();
    for (auto state = states.begin(); state != states.end(); ++state, ++record) {
        setField(record->deviceId, state.key().toLatin1());
        record->nic[0].allNetConnect = state.value() ? kNetcomOn : kNetcomOff;
    }
    const int timeout = AppSettings::instance().searchTimeout();
    const int result =
        NETSDK_SetDeviceConfig(&NetSDKInstance::netcomAcknowledged, this, records.data(),
                               int(records.size()), timeout, bind.toIPv4Address());
    qInfo("Set full netcom, NETSDK_SetDeviceConfig(%p, %d, %d, %s) %d",
          static_cast<void*>(records.data()), int(records.size()), timeout,
          ipText(bind).constData(), result);
    return result;
}

int NetSDKInstance::syncSystemTime(const DEVICE_INFO& info, qint64 secondsSinceEpoch) const {
    const QByteArray ip = ipText(info.ip);
    LoginHandle handle(login(info));
    if (!handle) {
        qWarning("Login %s failed", ip.constData());
        return -1;
    }
    NETSDK_PARAM_TIME record;
    std::memset(&record, 0, sizeof record);
    int result =
        NETSDK_GetParam(handle.get(), &kChannel, NETSDK_PARAM_ID_TIME, &record, sizeof record);
    if (result != 0) {
        qWarning("Get system time %s failed", ip.constData());
        return result;
    }
    record.mode.value = kManualTimeMode;
    record.manualTime = int32_t(quint32(secondsSinceEpoch));
    result = NETSDK_SetParam(handle.get(), &kChannel, NETSDK_PARAM_ID_TIME, &record, sizeof record);
    if (result != 0)
        qWarning("Sync system time (%lld) %s failed", secondsSinceEpoch, ip.constData());
    return result;
}

QByteArray NetSDKInstance::titleBytes(const QString& title) {
    QByteArray bytes = title.toUtf8();
    if (bytes.size() <= kMaxTitleBytes)
        return bytes;
    // Step back over continuation bytes (10xxxxxx) so the cut never splits a character.
    int end = kMaxTitleBytes;
    while (end > 0 && (uchar(bytes[end]) & 0xC0) == 0x80)
        --end;
    bytes.truncate(end);
    return bytes;
}

int NetSDKInstance::setOSDTitle(const DEVICE_INFO& info, bool enable, int formatIndex,
                                const QString& title) const {
    const QByteArray ip = ipText(info.ip);
    LoginHandle handle(login(info));
    if (!handle) {
        qWarning("Login %s failed", ip.constData());
        return -1;
    }
    auto record = std::make_unique<NETSDK_PARAM_OSD>();
    std::memset(record.get(), 0, sizeof *record);
    int result =
        NETSDK_GetParam(handle.get(), &kChannel, NETSDK_PARAM_ID_OSD, record.get(), sizeof *record);
    if (result != 0) {
        qWarning("Get OSD %s failed, return: %d", ip.constData(), result);
        return result;
    }
    const QByteArray text = titleBytes(title);
    record->titles[0].shown.value = enable ? 1 : 0;
    record->dateTimeShown.value = enable ? 1 : 0;
    record->dateFormat.value = formatIndex;
    setField(record->titles[0].text, text);
    result =
        NETSDK_SetParam(handle.get(), &kChannel, NETSDK_PARAM_ID_OSD, record.get(), sizeof *record);
    if (result != 0)
        qWarning("Set OSD %s failed, (format_index: %d, title: %s) %d", ip.constData(), formatIndex,
                 text.constData(), result);
    return result;
}

int NetSDKInstance::reboot(const DEVICE_INFO& info) const {
    const QByteArray ip = ipText(info.ip);
    if (LoginHandle handle{login(info)}) {
        const NETSDK_PARAM_REBOOT record = {1};
        const int result = NETSDK_SetParam(handle.get(), &kChannel, NETSDK_PARAM_ID_REBOOT, &record,
                                           sizeof record);
        if (result != 0)
            qWarning("Reboot %s failed!", ip.constData());
        return result;
    }
    qWarning("Login %s failed, try operate in broadcast mode", ip.constData());
    NETSDK_PRODUCT_COMMAND command;
    std::memset(&command, 0, sizeof command);
    RebootAcknowledgement acknowledgement{info.deviceId.toLocal8Bit()};
    setField(command.deviceId, acknowledgement.deviceId);
    command.command = kRebootCommand;
    const int result = NETSDK_ProductCommand(&rebootAcknowledged, &acknowledgement, &command, 1,
                                             AppSettings::instance().searchTimeout(),
                                             info.bindAddress.toIPv4Address());
    // The command went out; it counts only if this device said it will restart.
    if (result == 0 && !acknowledgement.accepted) {
        qWarning("Reboot %s by broadcast not acknowledged", ip.constData());
        return -1;
    }
    return result;
}

int NetSDKInstance::reset(const DEVICE_INFO& info) const {
    const QByteArray ip = ipText(info.ip);
    LoginHandle handle(login(info));
    if (!handle) {
        qWarning("Login %s failed", ip.constData());
        return -1;
    }
    const NETSDK_PARAM_FACTORY_RESET record = {1};
    const int result = NETSDK_SetParam(handle.get(), &kChannel, NETSDK_PARAM_ID_FACTORY_RESET,
                                       &record, sizeof record);
    if (result != 0)
        qWarning("Reset %s failed", ip.constData());
    return result;
}

int NetSDKInstance::uploadFile(const DEVICE_INFO& info, const QString& path) const {
    const QByteArray ip = ipText(info.ip);
    const QByteArray name = QFileInfo(path).baseName().toLocal8Bit();
    if (name.isEmpty() || name.size() > kMaxUploadName) {
        qWarning("Upload name of %s refused: empty or longer than %d bytes", qPrintable(path),
                 kMaxUploadName);
        return -1;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("Read file %s failed!", qPrintable(path));
        return -1;
    }
    const qint64 size = file.size();
    // An empty file maps to nothing; the SDK must never get a missing buffer.
    uchar* data = size > 0 && size <= INT_MAX ? file.map(0, size) : nullptr;
    if (!data) {
        qWarning("Map file %s (%lld bytes) failed!", qPrintable(path), size);
        return -1;
    }
    LoginHandle handle(login(info));
    if (!handle) {
        qWarning("Login %s failed", ip.constData());
        return -1;
    }
    const int result =
        NETSDK_UploadFile(handle.get(), name.constData(), reinterpret_cast<const char*>(data),
                          int(size), kAudioPromptFileType);
    qInfo("NETSDK_UploadFile(%s, %d) %d", name.constData(), int(size), result);
    return result;
}

int NetSDKInstance::upgradeFirmware(const DEVICE_INFO& info, const QString& path) const {
    const QByteArray ip = ipText(info.ip);
    const QByteArray file = path.toLocal8Bit();
    if (file.size() > kMaxFirmwarePath) {
        qWarning("Firmware path %s refused: longer than %d bytes", file.constData(),
                 kMaxFirmwarePath);
        return -1;
    }
    const int result =
        NETSDK_UpgradeFirmware(ip.constData(), file.constData(), &NetSDKInstance::upgradeCallback,
                               const_cast<NetSDKInstance*>(this));
    qInfo("NETSDK_UpgradeFirmware(%s, %s) %d", ip.constData(), file.constData(), result);
    return result;
}

DEVICE_INFO NetSDKInstance::deviceInfoOf(const NETSDK_SEARCH_DEVICE_INFO& device,
                                         const QHostAddress& bind) {
    const NETSDK_NIC_INFO& nic = device.nic[0];
    DEVICE_INFO info;
    info.deviceId = fieldText(device.deviceId);
    info.ip = QHostAddress(fieldText(nic.ip));
    info.cloudId = fieldText(device.uuid);
    info.fullNetcom = nic.allNetConnect == kNetcomOn;
    const bool knownLamp = device.model >= 0 && device.model < int(std::size(kLampBoards));
    info.lampBoard = knownLamp
                         ? QCoreApplication::translate("NetSDKInstance", kLampBoards[device.model])
                         : QString();
    info.version = fieldText(device.firmwareVersion);
    info.osdTitle = QString::fromUtf8(fieldBytes(device.deviceName));
    info.mac = fieldText(nic.mac);
    info.serialNumber = fieldText(device.uid);
    info.hardwareVersion = fieldText(device.hardwareVersion);
    info.user = fieldText(device.user);
    info.password = fieldText(device.password);
    info.port = device.httpPort;
    info.streamPort = device.streamPort;
    info.bindAddress = bind;
    return info;
}

int NetSDKInstance::onDeviceFound(const NETSDK_SEARCH_DEVICE_INFO& device) {
    const DEVICE_INFO info = deviceInfoOf(device, bindAddress);
    qInfo("Found device (%s, %s, %s, %s, %s)", fieldBytes(device.nic[0].ip).constData(),
          fieldBytes(device.firmwareVersion).constData(), fieldBytes(device.nic[0].mac).constData(),
          fieldBytes(device.hardwareVersion).constData(), fieldBytes(device.deviceId).constData());
    QMetaObject::invokeMethod(receiver, "deviceFound", Qt::AutoConnection,
                              Q_ARG(DEVICE_INFO, info));
    return 0;
}

int NetSDKInstance::relayUpgradeProgress(int percent, const char* ip) const {
    const QString address = QString::fromLatin1(ip ? ip : "");
    qDebug("Firmware upgrade: %d, %s", percent, qPrintable(address));
    QMetaObject::invokeMethod(receiver, "upgradeProgress", Qt::AutoConnection,
                              Q_ARG(QString, address), Q_ARG(int, percent));
    return 0;
}

void NetSDKInstance::relayAcknowledgement(const char* method, int status,
                                          const char* deviceId) const {
    QMetaObject::invokeMethod(receiver, method, Qt::AutoConnection,
                              Q_ARG(QString, QString::fromLatin1(deviceId ? deviceId : "")),
                              Q_ARG(int, status));
}

int NetSDKInstance::searchCallback(int, NETSDK_SEARCH_DEVICE_INFO* device, void* user) {
    return device ? static_cast<NetSDKInstance*>(user)->onDeviceFound(*device) : 0;
}

int NetSDKInstance::ipAcknowledged(int status, const char* deviceId, void* user) {
    static_cast<NetSDKInstance*>(user)->relayAcknowledgement("deviceIPAddressChanged", status,
                                                             deviceId);
    return 0;
}

int NetSDKInstance::netcomAcknowledged(int status, const char* deviceId, void* user) {
    static_cast<NetSDKInstance*>(user)->relayAcknowledgement("deviceNetcomChanged", status,
                                                             deviceId);
    return 0;
}

int NetSDKInstance::upgradeCallback(int percent, const char* ip, void* user) {
    return static_cast<NetSDKInstance*>(user)->relayUpgradeProgress(percent, ip);
}
