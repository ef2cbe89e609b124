#pragma once

#include <QAuthenticator>
#include <QHash>
#include <QHostAddress>
#include <QJsonDocument>
#include <QList>
#include <QObject>
#include <QSize>
#include <QVariant>
#include <memory>

#include "netsdk.h"
#include "user_account.h"

class QWidget;

// The session of one logged-in camera: typed operations over the SDK's C calls for the
// pages of the configuration dialog. Cached parameter records are read once, edited in place
// by a page and saved back; JSON product-test commands answer as documents; alarm events of
// the SDK's notify thread become the signal alarmEventChanged.
//
// Every operation but the alarm callback runs on the GUI thread and blocks it for the
// camera's network time. The login handle is not owned: the configuration dialog logs out
// (which ends the alarm subscription) before it releases the session.
class ZRSDKInstance : public QObject {
    Q_OBJECT
public:
    ZRSDKInstance(NETSDK_LOGIN_INFO* login, const NETSDK_CHANNEL* channel, QObject* parent);
    ~ZRSDKInstance() override;

    void setHostAddress(const QHostAddress& address);
    QHostAddress hostAddress() const;
    void setCredentials(const QString& user, const QString& password);
    // The login's user name and password, from which the video views build RTSP addresses.
    QAuthenticator* authenticator();
    // The display label of a capability key; an unknown key gets (and keeps) an empty label.
    QString& capability(const QString& key);

    // Cached records: null when the camera could not be read. The record stays the
    // session's; a page edits it in place and calls the matching save, which shows a refusal
    // or the wait while the camera applies the record over that page.
    NETSDK_PARAM_MOTION* motionDetectionConfig(bool reload);
    bool saveMotionDetectionConfig(QWidget* page);
    NETSDK_PARAM_COVER_DETECT* coverDetectionConfig(bool reload);
    bool saveCoverDetectionConfig(QWidget* page);
    NETSDK_PARAM_VIDEO_CAPTURE* videoCaptureConfig(bool reload);
    bool saveVideoCaptureConfig(QWidget* page);
    // The picture size of a stream's encoder; invalid when it could not be read. One record
    // is cached for whichever stream was read first.
    QSize streamResolution(int stream, bool reload);

    // The IR-cut trigger mode (0 forward, 1 reverse), or -1; second receives the default.
    int irCutMode(int* second);
    bool setIrCutMode(int mode);
    // Makes the camera play alarm tone number tone + 1 once.
    void auditionAlarmSound(int tone);

    // At most ten accounts, up to the first empty entry; empty when the read failed.
    QList<UserAccount> userList();
    // Each writes one account of the camera's account record; a refusal of the camera is shown
    // over page. Refused (false) unsent when a name or password does not fit the camera's
    // 31-byte fields, which the account form does not let through.
    bool addUser(const UserAccount& user, QWidget* page);
    bool modifyUser(const UserAccount& user, QWidget* page);
    bool deleteUser(const UserAccount& user, QWidget* page);

    // JSON product-test commands. A get returns an empty document when nothing usable came
    // back; a set returns whether the camera accepted it (answered 200). Only the command
    // number and the result are logged: the bodies carry secrets such as the RTMP stream key.
    QJsonDocument deviceInfo();
    QJsonDocument queryJson(int command);
    bool sendJson(int command, const QJsonDocument& document);
    QJsonDocument storageInfo();
    QJsonDocument recordConfig(bool defaults);
    bool setRecordConfig(const QJsonDocument& document);
    QJsonDocument recordSchedule(bool defaults);
    bool setRecordSchedule(const QJsonDocument& document);
    QJsonDocument jt808Config();
    bool setJt808Config(const QJsonDocument& document);
    QJsonDocument rtmpConfig(bool defaults);
    bool setRtmpConfig(const QJsonDocument& document);

    // Starts the alarm subscription of this login: 0, or -1 when the camera cannot be
    // reached. Once subscribed, further calls return 0 without opening a second channel.
    int subscribeAlarms();
    // Runs on the SDK's notify thread: emits alarmEventChanged for a known event type (0),
    // drops anything else (22).
    int onAlarmEvent(const NETSDK_ALARM_EVENT* event);

    static int onNotifyCallback(const NETSDK_ALARM_EVENT* event, void* user);
    static int onProductTestCallback(int command, int code, const char* json, void* user);
    static int onProductTestJsonCallback(int command, int code, const char* json, void* user);

signals:
    // A QVariantMap {"type": event name, "datetime": local QDateTime}; emitted on the
    // notify thread, so receivers on the GUI thread get it queued.
    void alarmEventChanged(QVariant var);

private:
    template <typename Record>
    Record* cachedRecord(std::unique_ptr<Record>& cache, const NETSDK_CHANNEL* channel, int paramId,
                         bool reload, const char* failure);
    template <typename Record>
    bool saveRecord(QWidget* page, const std::unique_ptr<Record>& cache, int paramId,
                    const char* failure, const QString& waitText, int waitMs);
    bool writeUser(const UserAccount& user, int action, const char* failure, QWidget* page);
    int onDeviceInfoReply(int command, int code, const char* json);
    int onJsonReply(int command, int code, const char* json);

    QAuthenticator credentials_;
    QHostAddress host_;
    NETSDK_LOGIN_INFO* login_;  // not owned
    std::unique_ptr<NETSDK_CHANNEL> channel_;
    std::unique_ptr<NETSDK_PARAM_VIDEO_ENCODE> encoder_;
    std::unique_ptr<NETSDK_PARAM_IRCUT> irCut_;
    std::unique_ptr<NETSDK_PARAM_MOTION> motion_;
    std::unique_ptr<NETSDK_PARAM_COVER_DETECT> cover_;
    std::unique_ptr<NETSDK_PARAM_VIDEO_CAPTURE> capture_;
    QJsonDocument deviceInfo_;
    QHash<QString, QString> capabilities_;
    QJsonDocument lastReply_;
    bool alarmsSubscribed_ = false;
};
