// MainWindow: Tarnwick's only window. It shows the device table, turns each button of the
// operation and firmware panels into one batch operation on the ticked rows, runs the
// free-address scan behind "Sync IP", holds the busy guard while operations run, and
// starts the kit's other programs and the browser for one row.
#pragma once

#include <QHostAddress>
#include <QList>
#include <QMainWindow>
#include <QModelIndex>
#include <memory>

#include "ipsetting.h"

class AppSettings;
class DecodeMp3;
class DeviceItem;
class DeviceTableModel;
class FirmwareUpgradeForm;
class OperationForm;
class ProxyModel;
class QAction;
class QProcess;
class QStandardItem;
class WaitFor;

namespace Ui {
class MainWindow;
}

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(AppSettings& settings, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The busy guards' switches for the two panels. Guards nest (an operation that falls due
    // inside another takes its own), so the panels come back only when the last one goes.
    void disableForms();
    void enableForms();

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void optionsSetting();
    void load();
    void testDevicesAccessible();
    void setIP();
    void syncIP();
    void setFullNetcomState();
    void syncTime();
    void rebootDevice();
    void recoveryDevice();
    void setOSD();
    void upgradeFirmware();
    void uploadFile();
    void modelThreadFinished();
    void updateUi();
    void setDeviceCheckState();
    void onItemChanged(QStandardItem* item);
    void tableViewPressed(const QModelIndex& index);

    // Starting the other programs and the browser.
    void imageTest();
    void playCheckedDevices();
    void labelPrint();
    void devicePlay();
    void deviceConfig();
    void webBrowser();
    void tableViewDoubleClicked(const QModelIndex& index);
    void deviceQRCode();

private:
    void initTableView();
    void createActions();
    void initNetworkSegments();
    void createConnections();
    void connectPanels();

    // Ticked rows (check state Checked), in the model's own row order.
    QList<DeviceItem*> checkedDevices() const;
    DeviceItem* deviceItem(int sourceRow) const;
    // The model row of the view's current index while a selection exists, else -1.
    int currentSourceRow() const;
    // Runs a pool operation: the guard stays until the model reports its tasks done.
    void startPoolOperation();
    // Free addresses of the chosen segment for count devices; false when the scan could not
    // tell free from occupied addresses.
    bool findFreeAddresses(int count, QList<IPSetting>& free);
    // Whether a started program ends with the window or runs on after Tarnwick closes.
    enum class Lifetime { EndsWithWindow, Independent };
    // Starts program; its output goes where Tarnwick's goes, and its process object is
    // freed once it has finished.
    QProcess* startProgram(const QString& program, const QStringList& arguments, Lifetime lifetime);
    void startPlayer(const DeviceItem* item, const QString& stream, bool fullScreen);

    std::unique_ptr<Ui::MainWindow> ui;
    AppSettings& settings;
    DeviceTableModel* model;
    ProxyModel* proxyModel;
    OperationForm* operationForm;
    FirmwareUpgradeForm* firmwareUpgradeForm;
    std::unique_ptr<WaitFor> busyGuard;
    // Busy guards alive now; the panels are disabled while this is not 0.
    int formsHeld = 0;
    std::unique_ptr<DecodeMp3> decoder;
    QList<QHostAddress> localAddresses;
    QAction* viewAction;
    QAction* remoteConfigAction;
    QAction* browserAction;
    QAction* qrCodeAction;
};
