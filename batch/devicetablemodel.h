// DeviceTableModel: the table of found cameras (one row per device ID, eleven columns, a
// check box per row) and the batch operations that run on the ticked rows, each row's
// outcome shown in its "Status" cell.
//
// Three kinds of operation: blocking SDK calls one row after the other on the GUI thread
// (time, reboot, factory reset); one task per row on the model's own thread pool (login
// test, title, upload, upgrade), whose results are written on the GUI thread; and
// multicast requests grouped by the local address that found each device (IP change,
// full netcom), acknowledged per device during the call.
#pragma once

#include <QDateTime>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QSet>
#include <QStandardItemModel>
#include <QThreadPool>
#include <functional>

#include "deviceinfo.h"
#include "firmwareheader.h"
#include "ipsetting.h"
#include "netsdkinstance.h"

class DeviceItem;

class DeviceTableModel : public QStandardItemModel {
    Q_OBJECT
public:
    enum Column {
        IPAddressColumn,
        CloudIdColumn,
        FullNetcomColumn,
        LampBoardColumn,
        StatusColumn,
        VersionColumn,
        OSDColumn,
        MACColumn,
        SerialNumberColumn,
        HardwareVersionColumn,
        DeviceIdColumn,
        ColumnCount
    };

    explicit DeviceTableModel(QObject* parent = nullptr);
    // Waits for the model's pool tasks, so none outlives the SDK state.
    ~DeviceTableModel() override;

    // Clears the table and searches from every local address in turn; rows appear during
    // the search. Refused while a search runs (the search processes events).
    void searchDevices(const QList<QHostAddress>& addresses, const QStringList& addressTexts);
    void clear();
    bool isSearching() const { return searching; }

    void setStatusText(int row, const QString& text);

    // The batch operations on the ticked rows (the login test on every row whose
    // accessibility is unknown).
    void testAccessible();
    void syncTime(const QDateTime& dateTime);
    void reboot();
    void restore();
    void setTitle(bool enable, int formatIndex, const QString& title);
    void uploadAudio(const QString& path);
    void upgradeFirmware(const QString& path);
    void setFullNetcom(bool on);
    // Sends nothing and returns why when the start setting would strand a device (IPPlan).
    QString setIPs(const IPSetting& setting);
    void syncIPs(const QList<IPSetting>& settings);

    static FirmwareHeader readFirmwareHeader(const QString& path);

    // Pool tasks started and not yet reported, plus one while an operation is still
    // starting its tasks; the window is busy while this is not 0.
    int runningTasks() const { return runningTaskCount + (startingTasks ? 1 : 0); }

public slots:
    void deviceFound(const DEVICE_INFO& info);
    void deviceIPAddressChanged(const QString& deviceId, int state);
    void deviceNetcomChanged(const QString& deviceId, int state);
    void upgradeProgress(const QString& ipAddr, int progressRate);

signals:
    // Once per pool task, after its result is in the table, with the device's IP text.
    void threadOperationFinished(const QString& ipAddress);
    // When the last pool task has reported and no operation is starting more.
    void allTasksFinished();

private:
    struct DeviceAccount {
        QString user;
        QString password;
        QHostAddress bindAddress;
    };
    // What one pool task does off the GUI thread, and what its result does on it.
    using TaskWork = std::function<int()>;
    using TaskReport = std::function<void(int row, int result)>;

    void setHeaderLabels();
    DeviceItem* deviceItem(int row) const;
    bool isChecked(int row) const;
    bool isLocal(const QHostAddress& address) const;
    int rowOfDevice(const QString& deviceId) const;
    int rowOfAddress(const QString& ipText) const;
    void setCellText(int row, int column, const QString& text);
    // The ticked rows (and, with localOnly, only those in a local segment), in row order.
    QList<int> chosenRows(bool localOnly) const;
    // Starts one pool task per row of rows: work on a copy of the row's record, report on
    // the GUI thread. Reports of early tasks may arrive while later rows are started
    // (status texts process events); the operation counts as running until all are out.
    void startTasks(const QList<int>& rows, const QString& runningText,
                    const std::function<TaskWork(const DEVICE_INFO&)>& workFor,
                    const TaskReport& report);
    void startTask(const DEVICE_INFO& info, TaskWork work, TaskReport report);
    // Runs call on the GUI thread for each chosen row in turn, with the status texts of
    // operation (a row of the model's status table).
    void runOnRows(bool localOnly, int operation,
                   const std::function<int(const DEVICE_INFO&)>& call);
    void emitIfIdle();
    void finishTask(const QString& deviceId, const QString& ipText, int result,
                    const TaskReport& report);
    void sendIPSettings(const QHash<QHostAddress, QHash<QString, IPSetting>>& groups);
    void failUnacknowledged(const QStringList& deviceIds);

    NetSDKInstance sdk;
    QHash<QString, DeviceAccount> deviceAccounts;
    QList<QHostAddress> hostAddresses;
    QSet<quint32> localSegments;
    QHash<QString, IPSetting> pendingIPSettings;
    QHash<QString, bool> pendingNetcom;
    QHash<QString, QString> pendingUpgrades;
    // Devices that acknowledged the running multicast change; GUI thread only.
    QSet<QString> acknowledged;
    bool searching = false;
    int runningTaskCount = 0;
    bool startingTasks = false;
    // The model's own pool: its tasks can be counted and waited for without anybody
    // else's work getting in the way.
    QThreadPool taskPool;
};
