// NetSDKInstance: Tarnwick's road to the cameras. It owns the process's SDK state (made with
// the object, cleaned up with it), offers one blocking method per camera operation (each
// logs in and out itself, so no login outlives a method) and relays what the SDK reports
// through C callbacks to one receiver object by method name:
//   deviceFound(DEVICE_INFO), deviceIPAddressChanged(QString, int),
//   deviceNetcomChanged(QString, int), upgradeProgress(QString, int).
// The search, network-setting and command methods run on the receiver's thread (their
// relays are direct calls inside them); login test, title, upload and upgrade may run on
// pool threads at once, touch no member and relay by queued calls.
#pragma once

#include <QHash>
#include <QHostAddress>
#include <QObject>

#include "deviceinfo.h"
#include "ipsetting.h"
#include "netsdk.h"

class NetSDKInstance : public QObject {
    Q_OBJECT
public:
    // parent also receives every relay.
    explicit NetSDKInstance(QObject* parent);
    ~NetSDKInstance() override;

    // A login handle for the device, or null; the caller logs out.
    NETSDK_LOGIN_INFO* login(const DEVICE_INFO& info) const;
    // 1 when the device accepts the login, 0 otherwise.
    int testLogin(const DEVICE_INFO& info) const;

    // Searches from the local address bind for the configured time-out.
    void searchDevice(const QHostAddress& bind);
    // Sends each device its setting from bind; acknowledgements are relayed during the call.
    int setIPAddress(const QHash<QString, IPSetting>& settings, const QHostAddress& bind);
    int setFullNetcom(const QHash<QString, bool>& states, const QHostAddress& bind);

    int syncSystemTime(const DEVICE_INFO& info, qint64 secondsSinceEpoch) const;
    int setOSDTitle(const DEVICE_INFO& info, bool enable, int formatIndex,
                    const QString& title) const;
    // Over HTTP; when the login fails, by the multicast command, which succeeds only when
    // the device acknowledged it.
    int reboot(const DEVICE_INFO& info) const;
    int reset(const DEVICE_INFO& info) const;
    int uploadFile(const DEVICE_INFO& info, const QString& path) const;
    int upgradeFirmware(const DEVICE_INFO& info, const QString& path) const;

    // The search callback's work: one found device to the receiver.
    int onDeviceFound(const NETSDK_SEARCH_DEVICE_INFO& device);

    // The program's record of a search record, found from bind.
    static DEVICE_INFO deviceInfoOf(const NETSDK_SEARCH_DEVICE_INFO& device,
                                    const QHostAddress& bind);

    // The OSD title as the record takes it: UTF-8, cut at a character boundary to fit.
    static QByteArray titleBytes(const QString& title);

private:
    int relayUpgradeProgress(int percent, const char* ip) const;
    void relayAcknowledgement(const char* method, int status, const char* deviceId) const;

    static int searchCallback(int ackType, NETSDK_SEARCH_DEVICE_INFO* device, void* user);
    static int ipAcknowledged(int status, const char* deviceId, void* user);
    static int netcomAcknowledged(int status, const char* deviceId, void* user);
    static int upgradeCallback(int percent, const char* ip, void* user);

    QObject* receiver;
    QHostAddress bindAddress;  // of the latest search; GUI thread only
};
