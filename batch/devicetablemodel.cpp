#include "devicetablemodel.h"

#include <QCoreApplication>
#include <QPointer>
#include <QScopedValueRollback>

#include "deviceitem.h"
#include "ipplan.h"
#include "thread_handover.h"

namespace {

// The /24 network of an address: its IPv4 number with the last byte cleared.
constexpr quint32 kSegmentMask = 0xFFFFFF00;

const char* const kHeaders[DeviceTableModel::ColumnCount] = {
    QT_TRANSLATE_NOOP("DeviceTableModel", "IP Address"),
    QT_TRANSLATE_NOOP("DeviceTableModel", "Cloud ID"),
    QT_TRANSLATE_NOOP("DeviceTableModel", "Full Netcom"),
    QT_TRANSLATE_NOOP("DeviceTableModel", "Lamp Board"),
    QT_TRANSLATE_NOOP("DeviceTableModel", "Status"),
    QT_TRANSLATE_NOOP("DeviceTableModel", "Current Version"),
    QT_TRANSLATE_NOOP("DeviceTableModel", "OSD"),
    QT_TRANSLATE_NOOP("DeviceTableModel", "MAC"),
    QT_TRANSLATE_NOOP("DeviceTableModel", "Serial Number"),
    QT_TRANSLATE_NOOP("DeviceTableModel", "Hardware Version"),
    QT_TRANSLATE_NOOP("DeviceTableModel", "Device ID"),
};

// What each operation writes into the "Status" column while it runs, when it fails and
// when it succeeds.
struct StatusTexts {
    const char* running;
    const char* failure;
    const char* success;
};
enum Operation { LoginTest, SyncTime, Reboot, Restore, SetTitle, Upload, Upgrade, SetIP, Netcom };
const StatusTexts kStatusTexts[] = {
    {QT_TRANSLATE_NOOP("DeviceTableModel", "Try to sign in"),
     QT_TRANSLATE_NOOP("DeviceTableModel", "Not Accessible"),
     QT_TRANSLATE_NOOP("DeviceTableModel", "Accessible")},
    {QT_TRANSLATE_NOOP("DeviceTableModel", "Setting the date and time"),
     QT_TRANSLATE_NOOP("DeviceTableModel", "Setting failed"),
     QT_TRANSLATE_NOOP("DeviceTableModel", "Successfully set")},
    {QT_TRANSLATE_NOOP("DeviceTableModel", "Restarting the device"),
     QT_TRANSLATE_NOOP("DeviceTableModel", "Restart failed"),
     QT_TRANSLATE_NOOP("DeviceTableModel", "Restart succeeded. Please wait a moment and refresh")},
    {QT_TRANSLATE_NOOP("DeviceTableModel", "Restoring settings"),
     QT_TRANSLATE_NOOP("DeviceTableModel", "Restore failed"),
     QT_TRANSLATE_NOOP("DeviceTableModel", "Restore succeeded. Please wait a moment and refresh")},
    {QT_TRANSLATE_NOOP("DeviceTableModel", "Setting the title"),
     QT_TRANSLATE_NOOP("DeviceTableModel", "Setting failed"),
     QT_TRANSLATE_NOOP("DeviceTableModel", "Successfully set")},
    {QT_TRANSLATE_NOOP("DeviceTableModel", "Uploading audio file"),
     QT_TRANSLATE_NOOP("DeviceTableModel", "Upload failed"),
     QT_TRANSLATE_NOOP("DeviceTableModel", "Upload successfully")},
    {QT_TRANSLATE_NOOP("DeviceTableModel", "Upgrade to %1"),
     QT_TRANSLATE_NOOP("DeviceTableModel", "Upgrade failed"),
     QT_TRANSLATE_NOOP("DeviceTableModel", "Upgrade successfully, waiting to restart")},
    {QT_TRANSLATE_NOOP("DeviceTableModel", "Setting IP address"),
     QT_TRANSLATE_NOOP("DeviceTableModel", "Setting failed"),
     QT_TRANSLATE_NOOP("DeviceTableModel", "Successfully set")},
    {QT_TRANSLATE_NOOP("DeviceTableModel", "Setting full netcom"),
     QT_TRANSLATE_NOOP("DeviceTableModel", "Setting failed"),
     QT_TRANSLATE_NOOP("DeviceTableModel", "Successfully set")},
};

QString runningText(Operation operation) {
    return DeviceTableModel::tr(kStatusTexts[operation].running);
}
QString outcomeText(Operation operation, int result) {
    const StatusTexts& texts = kStatusTexts[operation];
    return DeviceTableModel::tr(result == 0 ? texts.success : texts.failure);
}

QString netcomText(bool on) {
    return on ? DeviceTableModel::tr("Enable") : DeviceTableModel::tr("Disable");
}

QString accessibilityText(int accessible) {
    switch (accessible) {
        case 1:
            return DeviceTableModel::tr("Accessible");
        case 0:
            return DeviceTableModel::tr("Not Accessible");
        default:
            return DeviceTableModel::tr("Unknown Accessibility");
    }
}

}  // namespace

DeviceTableModel::DeviceTableModel(QObject* parent) : QStandardItemModel(parent), sdk(this) {
    setHeaderLabels();
}

DeviceTableModel::~DeviceTableModel() {
    // Tasks report through queued calls that die with this object; what must not die
    // under them is the SDK state, which the wrapper cleans up after this.
    handover::waitForDone(taskPool);
}

void DeviceTableModel::setHeaderLabels() {
    QStringList labels;
    for (const char* header : kHeaders)
        labels << tr(header);
    setHorizontalHeaderLabels(labels);
}

void DeviceTableModel::clear() {
    QStandardItemModel::clear();
    deviceAccounts.clear();
    localSegments.clear();
    hostAddresses.clear();
    setHeaderLabels();
}

void DeviceTableModel::searchDevices(const QList<QHostAddress>& addresses,
                                     const QStringList& addressTexts) {
    if (searching) {
        qWarning("Search refused: a search is running");
        return;
    }
    QScopedValueRollback<bool> guard(searching, true);
    clear();
    hostAddresses = addresses;
    for (const QString& text : addressTexts)
        localSegments.insert(QHostAddress(text).toIPv4Address() & kSegmentMask);
    // Events are processed during each search; walk our own copy of the list.
    const QList<QHostAddress> searchFrom = hostAddresses;
    for (const QHostAddress& address : searchFrom)
        sdk.searchDevice(address);
}

void DeviceTableModel::deviceFound(const DEVICE_INFO& info) {
    if (deviceAccounts.contains(info.deviceId)) {
        // The first answer for a device wins, from whichever local address it came.
        QCoreApplication::processEvents();
        return;
    }
    deviceAccounts.insert(info.deviceId, {info.user, info.password, info.bindAddress});

    auto* first = new DeviceItem(info.ip.toString());
    first->makeCheckable();
    first->setInfo(info);
    if (!isLocal(info.ip))
        first->setAccessible(0);

    const QString texts[ColumnCount] = {
        {},
        info.cloudId,
        netcomText(info.fullNetcom),
        info.lampBoard,
        accessibilityText(first->accessible()),
        info.version,
        info.osdTitle,
        info.mac.toUpper(),
        info.serialNumber,
        info.hardwareVersion,
        info.deviceId,
    };
    QList<QStandardItem*> row{first};
    for (int column = CloudIdColumn; column < ColumnCount; ++column) {
        auto* item = new DeviceItem(texts[column]);
        item->setTextAlignment(Qt::AlignCenter);
        item->setEditable(false);
        row << item;
    }
    appendRow(row);
    QCoreApplication::processEvents();
}

void DeviceTableModel::setStatusText(int row, const QString& text) {
    setCellText(row, StatusColumn, text);
    QCoreApplication::processEvents();
}

void DeviceTableModel::setCellText(int row, int column, const QString& text) {
    if (QStandardItem* cell = item(row, column))
        cell->setText(text);
}

DeviceItem* DeviceTableModel::deviceItem(int row) const {
    auto* first = dynamic_cast<DeviceItem*>(item(row, IPAddressColumn));
    return first && first->info() ? first : nullptr;
}

bool DeviceTableModel::isChecked(int row) const {
    const QStandardItem* first = item(row, IPAddressColumn);
    return first && first->checkState() == Qt::Checked;
}

bool DeviceTableModel::isLocal(const QHostAddress& address) const {
    return localSegments.contains(address.toIPv4Address() & kSegmentMask);
}

int DeviceTableModel::rowOfDevice(const QString& deviceId) const {
    const QList<QStandardItem*> found = findItems(deviceId, Qt::MatchExactly, DeviceIdColumn);
    return found.isEmpty() ? -1 : found.first()->row();
}

int DeviceTableModel::rowOfAddress(const QString& ipText) const {
    const QList<QStandardItem*> found = findItems(ipText, Qt::MatchExactly, IPAddressColumn);
    return found.isEmpty() ? -1 : found.first()->row();
}

QList<int> DeviceTableModel::chosenRows(bool localOnly) const {
    QList<int> rows;
    for (int row = 0; row < rowCount(); ++row) {
        const DeviceItem* device = deviceItem(row);
        if (device && isChecked(row) && (!localOnly || isLocal(device->ipAddress())))
            rows << row;
    }
    return rows;
}

// ---- Pool tasks ------------------------------------------------------------------------

void DeviceTableModel::startTasks(const QList<int>& rows, const QString& running,
                                  const std::function<TaskWork(const DEVICE_INFO&)>& workFor,
                                  const TaskReport& report) {
    {
        QScopedValueRollback<bool> starting(startingTasks, true);
        for (int row : rows) {
            const DeviceItem* device = deviceItem(row);
            if (!device)
                continue;  // the table changed while events were processed
            setStatusText(row, running);
            const DEVICE_INFO info = *device->info();
            startTask(info, workFor(info), report);
        }
    }
    emitIfIdle();
}

void DeviceTableModel::startTask(const DEVICE_INFO& info, TaskWork work, TaskReport report) {
    ++runningTaskCount;
    QPointer<DeviceTableModel> model(this);
    handover::start(taskPool, [model, info, work = std::move(work), report = std::move(report)] {
        const int result = work();
        // The model waits for its tasks before it goes, so the pointer is good here; the
        // queued call is dropped if the model is destroyed before it is delivered.
        handover::queue(model.data(), [model, info, result, report] {
            model->finishTask(info.deviceId, info.ip.toString(), result, report);
        });
    });
}

// Reports arrive through the event loop, which repaints anyway: they write their texts
// without processing events, so a burst of reports never nests one inside the other.
void DeviceTableModel::finishTask(const QString& deviceId, const QString& ipText, int result,
                                  const TaskReport& report) {
    // Rows are found again by device ID: a search may have refilled the table meanwhile.
    const int row = rowOfDevice(deviceId);
    if (row >= 0)
        report(row, result);
    --runningTaskCount;
    emit threadOperationFinished(ipText);
    emitIfIdle();
}

void DeviceTableModel::emitIfIdle() {
    if (runningTasks() == 0)
        emit allTasksFinished();
}

void DeviceTableModel::testAccessible() {
    QList<int> unknown;
    for (int row = 0; row < rowCount(); ++row) {
        const DeviceItem* device = deviceItem(row);
        if (device && device->accessible() == -1)
            unknown << row;
    }
    startTasks(
        unknown, runningText(LoginTest),
        [this](const DEVICE_INFO& info) { return [this, info] { return sdk.testLogin(info); }; },
        [this](int row, int accessible) {
            deviceItem(row)->setAccessible(accessible);
            setCellText(row, StatusColumn, outcomeText(LoginTest, accessible == 1 ? 0 : -1));
        });
}

void DeviceTableModel::setTitle(bool enable, int formatIndex, const QString& title) {
    startTasks(
        chosenRows(true), runningText(SetTitle),
        [this, enable, formatIndex, title](const DEVICE_INFO& info) {
            return [this, info, enable, formatIndex, title] {
                return sdk.setOSDTitle(info, enable, formatIndex, title);
            };
        },
        [this, title](int row, int result) {
            setCellText(row, StatusColumn, outcomeText(SetTitle, result));
            if (result == 0)
                setCellText(row, OSDColumn, title);
        });
}

void DeviceTableModel::uploadAudio(const QString& path) {
    startTasks(
        chosenRows(true), runningText(Upload),
        [this, path](const DEVICE_INFO& info) {
            return [this, info, path] { return sdk.uploadFile(info, path); };
        },
        [this](int row, int result) {
            setCellText(row, StatusColumn, outcomeText(Upload, result));
        });
}

FirmwareHeader DeviceTableModel::readFirmwareHeader(const QString& path) {
    return FirmwareHeader::read(path);
}

void DeviceTableModel::upgradeFirmware(const QString& path) {
    pendingUpgrades.clear();
    const FirmwareHeader header = readFirmwareHeader(path);
    QList<int> matching;
    for (int row : chosenRows(true)) {
        const QString ip = item(row, IPAddressColumn)->text();
        if (item(row, HardwareVersionColumn)->text() == header.hardware) {
            pendingUpgrades.insert(ip, header.version);
            matching << row;
        } else {
            setStatusText(row, tr("%1 hardware mismatch, unable to upgrade!").arg(ip));
        }
    }
    startTasks(
        matching, runningText(Upgrade).arg(header.version),
        [this, path](const DEVICE_INFO& info) {
            return [this, info, path] { return sdk.upgradeFirmware(info, path); };
        },
        [this](int row, int result) {
            if (result == 0)
                return;  // the progress report at 100 % has said so
            // Without this the row would show the running text and a stale bar for ever.
            setCellText(row, VersionColumn, deviceItem(row)->info()->version);
            setCellText(row, StatusColumn, outcomeText(Upgrade, result));
        });
}

void DeviceTableModel::upgradeProgress(const QString& ipAddr, int progressRate) {
    const int row = rowOfAddress(ipAddr);
    if (row < 0)
        return;
    setCellText(row, VersionColumn, QStringLiteral("PG:%1").arg(progressRate));
    if (progressRate >= 100) {
        setCellText(row, StatusColumn, outcomeText(Upgrade, 0));
        setCellText(row, VersionColumn, pendingUpgrades.value(ipAddr));
    }
}

// ---- Blocking operations on the GUI thread -------------------------------------------

void DeviceTableModel::runOnRows(bool localOnly, int operation,
                                 const std::function<int(const DEVICE_INFO&)>& call) {
    for (int row : chosenRows(localOnly)) {
        setStatusText(row, runningText(Operation(operation)));
        // The status text processed events: the row may have gone meanwhile.
        if (const DeviceItem* device = deviceItem(row))
            setStatusText(row, outcomeText(Operation(operation), call(*device->info())));
    }
}

void DeviceTableModel::syncTime(const QDateTime& dateTime) {
    const qint64 seconds = dateTime.toSecsSinceEpoch();
    runOnRows(true, SyncTime, [this, seconds](const DEVICE_INFO& info) {
        return sdk.syncSystemTime(info, seconds);
    });
}

void DeviceTableModel::reboot() {
    // Rows outside the local networks too: the reboot falls back to the multicast command.
    runOnRows(false, Reboot, [this](const DEVICE_INFO& info) { return sdk.reboot(info); });
}

void DeviceTableModel::restore() {
    runOnRows(true, Restore, [this](const DEVICE_INFO& info) { return sdk.reset(info); });
}

// ---- Multicast changes ----------------------------------------------------------------

void DeviceTableModel::failUnacknowledged(const QStringList& deviceIds) {
    for (const QString& deviceId : deviceIds) {
        const int row = rowOfDevice(deviceId);
        if (row >= 0 && !acknowledged.contains(deviceId))
            setStatusText(row, tr("Setting failed"));
    }
}

void DeviceTableModel::setFullNetcom(bool on) {
    pendingNetcom.clear();
    acknowledged.clear();
    QHash<QHostAddress, QHash<QString, bool>> groups;
    for (int row : chosenRows(false)) {
        setStatusText(row, runningText(Netcom));
        const QString deviceId = item(row, DeviceIdColumn)->text();
        groups[deviceAccounts.value(deviceId).bindAddress].insert(deviceId, on);
        pendingNetcom.insert(deviceId, on);
    }
    for (auto group = groups.cbegin(); group != groups.cend(); ++group) {
        sdk.setFullNetcom(group.value(), group.key());
        failUnacknowledged(group.value().keys());
    }
}

void DeviceTableModel::deviceNetcomChanged(const QString& deviceId, int state) {
    qInfo("Device %s NetCom changed, result: %d", qPrintable(deviceId), state);
    acknowledged.insert(deviceId);
    const int row = rowOfDevice(deviceId);
    if (row < 0)
        return;
    if (state == 0)
        setCellText(row, FullNetcomColumn, netcomText(pendingNetcom.value(deviceId)));
    setStatusText(row, outcomeText(Netcom, state));
}

QString DeviceTableModel::setIPs(const IPSetting& setting) {
    qDebug("Set IPs Parameter(%s, %s, %s, %d)", qPrintable(setting.ip.toString()),
           qPrintable(setting.gateway.toString()), qPrintable(setting.mask.toString()),
           setting.sameIP);
    const IPPlan plan(setting, chosenRows(false).size());
    if (plan.isRefused()) {
        qWarning("Set IPs refused: %s", qUtf8Printable(plan.problem()));
        return plan.problem();
    }
    syncIPs(plan.settings());
    return {};
}

void DeviceTableModel::syncIPs(const QList<IPSetting>& settings) {
    if (settings.isEmpty())
        return;
    pendingIPSettings.clear();
    acknowledged.clear();
    QHash<QHostAddress, QHash<QString, IPSetting>> groups;
    // The n-th ticked row gets the n-th setting; rows beyond the list stay as they are.
    auto setting = settings.cbegin();
    for (int row : chosenRows(false)) {
        if (setting == settings.cend())
            break;
        setStatusText(row, runningText(SetIP));
        const QString deviceId = item(row, DeviceIdColumn)->text();
        groups[deviceAccounts.value(deviceId).bindAddress].insert(deviceId, *setting);
        pendingIPSettings.insert(deviceId, *setting++);
    }
    sendIPSettings(groups);
}

void DeviceTableModel::sendIPSettings(
    const QHash<QHostAddress, QHash<QString, IPSetting>>& groups) {
    for (auto group = groups.cbegin(); group != groups.cend(); ++group) {
        sdk.setIPAddress(group.value(), group.key());
        failUnacknowledged(group.value().keys());
    }
}

void DeviceTableModel::deviceIPAddressChanged(const QString& deviceId, int state) {
    qInfo("Device %s IP changed, result: %d", qPrintable(deviceId), state);
    acknowledged.insert(deviceId);
    const int row = rowOfDevice(deviceId);
    if (row < 0)
        return;
    if (state == 0) {
        DeviceItem* device = deviceItem(row);
        device->setIPAddress(pendingIPSettings.value(deviceId).ip);
        device->setAccessible(-1);
    }
    setStatusText(row, outcomeText(SetIP, state));
}
