#include "mainwindow.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMessageBox>
#include <QNetworkInterface>
#include <QProcess>
#include <QProgressDialog>
#include <QTimer>
#include <QUrl>

#include "appsettings.h"
#include "decodemp3.h"
#include "deviceitem.h"
#include "devicetablemodel.h"
#include "firmwareupgradeform.h"
#include "modifyipdialog.h"
#include "operationform.h"
#include "optiondialog.h"
#include "pingprobe.h"
#include "progressbaritemdelegate.h"
#include "proxymodel.h"
#include "qrcodedialog.h"
#include "ui_firmwareupgradeform.h"
#include "ui_mainwindow.h"
#include "ui_operationform.h"
#include "waitfor.h"

namespace {

constexpr int kReadyMessageMs = 10000;
// Pool operations look again this long after they start; the model's reports do the rest.
constexpr int kPoolCheckDelayMs = 100;
// The login test follows an IP change once the devices have taken their new addresses.
constexpr int kRetestDelayMs = 500;
// Velmora ends with this code when its login fails or is cancelled.
constexpr int kVelmoraLoginFailed = 13;
constexpr int kVelmoraWaitMs = 2000;
constexpr int kPlayerWaitMs = 100;
constexpr int kLabelWaitMs = 100;
// The scan tries x.y.z.2 to x.y.z.254: .1 is the gateway it gives, .255 the broadcast.
constexpr quint32 kFirstCandidate = 2;
constexpr quint32 kLastCandidate = 254;
constexpr int kProgressEnd = 255;
// The shell that independent programs run under, and its command line: "$0" is the program,
// "$@" its arguments, each kept as one word.
const QString kIndependentShell = QStringLiteral("/bin/sh");
const QString kRunArguments = QStringLiteral("\"$0\" \"$@\"");
const QString kIndependentShellName = QStringLiteral("independentProgramShell");
const QHostAddress kNoAddress(QStringLiteral("255.255.255.255"));
const QColor kAlternateRowColour(217, 225, 242, 255);

QString number(int value) {
    return QString::number(value);
}

}  // namespace

MainWindow::MainWindow(AppSettings& settings, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::MainWindow>()), settings(settings) {
    ui->setupUi(this);
    initTableView();
    createActions();
    initNetworkSegments();
    createConnections();
    settings.restoreWindow(this);
    ui->mainStreamCheckBox->setChecked(settings.mainStreamPlay());
    setWindowTitle(QStringLiteral("%1 - V%2")
                       .arg(settings.productName(), QCoreApplication::applicationVersion()));
    statusBar()->showMessage(tr("Ready", "main"), kReadyMessageMs);
    // The first search starts once the window shows.
    QMetaObject::invokeMethod(this, "load", Qt::QueuedConnection);
}

MainWindow::~MainWindow() {
    // The shells of independent programs end here, on purpose: their programs run on.
    for (QProcess* shell : findChildren<QProcess*>(kIndependentShellName)) {
        shell->kill();
        shell->waitForFinished();
    }
}

void MainWindow::disableForms() {
    ++formsHeld;
    operationForm->setEnabled(false);
    firmwareUpgradeForm->setEnabled(false);
}

void MainWindow::enableForms() {
    if (--formsHeld > 0)
        return;
    operationForm->setEnabled(true);
    firmwareUpgradeForm->setEnabled(true);
}

void MainWindow::initTableView() {
    model = new DeviceTableModel(this);
    proxyModel = new ProxyModel(this);
    proxyModel->setSourceModel(model);
    ui->tableView->setModel(proxyModel);
    ui->tableView->verticalHeader()->hide();
    ui->tableView->horizontalHeader()->setSortIndicatorShown(true);
    ui->tableView->setAlternatingRowColors(true);
    QPalette palette = ui->tableView->palette();
    palette.setColor(QPalette::All, QPalette::Base, Qt::white);
    palette.setColor(QPalette::All, QPalette::AlternateBase, kAlternateRowColour);
    ui->tableView->setPalette(palette);
    ui->tableView->setItemDelegateForColumn(DeviceTableModel::VersionColumn,
                                            new ProgressBarItemDelegate(ui->tableView));

    operationForm = new OperationForm(ui->operationFormRegion);
    auto* operationLayout = new QHBoxLayout(ui->operationFormRegion);
    operationLayout->setContentsMargins(0, 0, 0, 0);
    operationLayout->addWidget(operationForm);
    firmwareUpgradeForm = new FirmwareUpgradeForm(ui->firmwareUpgradeFormRegion);
    auto* firmwareLayout = new QHBoxLayout(ui->firmwareUpgradeFormRegion);
    firmwareLayout->setContentsMargins(0, 0, 0, 0);
    firmwareLayout->addWidget(firmwareUpgradeForm);
}

void MainWindow::createActions() {
    const auto make = [this](const QString& name, const QString& text) {
        auto* action = new QAction(text, this);
        action->setObjectName(name);
        return action;
    };
    viewAction = make(QStringLiteral("viewAction"), tr("View"));
    remoteConfigAction = make(QStringLiteral("remoteConfigAction"), tr("Remote Configuration"));
    browserAction = make(QStringLiteral("browserAction"), tr("Open Browser"));
    qrCodeAction = make(QStringLiteral("qrCodeAction"), tr("View QR Codes"));
}

void MainWindow::initNetworkSegments() {
    ui->tableView->addActions({viewAction, remoteConfigAction, browserAction, qrCodeAction});
    localAddresses.clear();
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        QHostAddress last = kNoAddress;
        for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
            const QHostAddress ip = entry.ip();
            if (entry.broadcast().isNull() || ip == QHostAddress(QHostAddress::LocalHost) ||
                ip.protocol() != QAbstractSocket::IPv4Protocol)
                continue;
            last = ip;
            ui->networkSegmentComboBox->addItem(ip.toString());
            qDebug("Found host address: %s", qUtf8Printable(ip.toString()));
        }
        // One search per interface: the last of its addresses speaks for it.
        if (last != kNoAddress)
            localAddresses.append(last);
    }
}

void MainWindow::createConnections() {
    QHeaderView* header = ui->tableView->horizontalHeader();
    connect(header, &QHeaderView::sectionClicked, this, [this, header](int column) {
        ui->tableView->sortByColumn(column, header->sortIndicatorOrder());
    });
    connect(ui->tableView, &QTableView::doubleClicked, this, &MainWindow::tableViewDoubleClicked);
    connect(ui->tableView, &QTableView::pressed, this, &MainWindow::tableViewPressed);
    connect(model, &DeviceTableModel::itemChanged, this, &MainWindow::onItemChanged);
    connect(model, &DeviceTableModel::threadOperationFinished, this,
            &MainWindow::modelThreadFinished, Qt::QueuedConnection);
    connect(model, &DeviceTableModel::allTasksFinished, this, &MainWindow::modelThreadFinished,
            Qt::QueuedConnection);
    connect(ui->checkAllPushButton, &QPushButton::clicked, this, &MainWindow::setDeviceCheckState);
    connect(ui->checkInversePushButton, &QPushButton::clicked, this,
            &MainWindow::setDeviceCheckState);
    connect(ui->optionsPushButton, &QPushButton::clicked, this, &MainWindow::optionsSetting);
    connect(viewAction, &QAction::triggered, this, &MainWindow::devicePlay);
    connect(remoteConfigAction, &QAction::triggered, this, &MainWindow::deviceConfig);
    connect(browserAction, &QAction::triggered, this, &MainWindow::webBrowser);
    connect(qrCodeAction, &QAction::triggered, this, &MainWindow::deviceQRCode);
    connectPanels();
}

void MainWindow::connectPanels() {
    Ui::OperationForm* operation = operationForm->form();
    connect(operation->searchPushButton, &QPushButton::clicked, this, &MainWindow::load);
    connect(operation->setIPPushButton, &QPushButton::clicked, this, &MainWindow::setIP);
    connect(operation->syncIPPushButton, &QPushButton::clicked, this, &MainWindow::syncIP);
    connect(operation->netcomOpenPushButton, &QPushButton::clicked, this,
            &MainWindow::setFullNetcomState);
    connect(operation->netcomClosePushButton, &QPushButton::clicked, this,
            &MainWindow::setFullNetcomState);
    connect(operation->syncTimepushButton, &QPushButton::clicked, this, &MainWindow::syncTime);
    connect(operation->rebootPushButton, &QPushButton::clicked, this, &MainWindow::rebootDevice);
    connect(operation->recoveryPushButton, &QPushButton::clicked, this,
            &MainWindow::recoveryDevice);
    connect(operation->enableOSDCheckBox, &QCheckBox::toggled, this, [operation](bool on) {
        operation->setOSDPushButton->setText(on ? tr("Set") : tr("Clear"));
    });
    connect(operation->setOSDPushButton, &QPushButton::clicked, this, &MainWindow::setOSD);
    connect(operation->imageTestPushButton, &QPushButton::clicked, this, &MainWindow::imageTest);
    connect(operation->labelPrintingPushButton, &QPushButton::clicked, this,
            &MainWindow::labelPrint);
    connect(operation->playCheckedDevicePushButton, &QPushButton::clicked, this,
            &MainWindow::playCheckedDevices);

    Ui::FirmwareUpgradeForm* firmware = firmwareUpgradeForm->form();
    connect(firmware->upgradeFileLineEdit, &QLineEdit::textChanged, this, &MainWindow::updateUi,
            Qt::QueuedConnection);
    connect(firmware->upgradePushButton, &QPushButton::clicked, this, &MainWindow::upgradeFirmware);
    connect(firmware->uploadFileLineEdit, &QLineEdit::textChanged, this, &MainWindow::updateUi,
            Qt::QueuedConnection);
    connect(firmware->uploadPushButton, &QPushButton::clicked, this, &MainWindow::uploadFile);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    settings.saveWindow(this);
    settings.setMainStreamPlay(ui->mainStreamCheckBox->isChecked());
    QMainWindow::closeEvent(event);
}

QList<DeviceItem*> MainWindow::checkedDevices() const {
    QList<DeviceItem*> devices;
    for (int row = 0; row < model->rowCount(); ++row) {
        DeviceItem* item = deviceItem(row);
        if (item != nullptr && item->checkState() == Qt::Checked)
            devices.append(item);
    }
    return devices;
}

DeviceItem* MainWindow::deviceItem(int sourceRow) const {
    auto* item = dynamic_cast<DeviceItem*>(model->item(sourceRow, 0));
    return item != nullptr && item->info() != nullptr ? item : nullptr;
}

int MainWindow::currentSourceRow() const {
    if (!ui->tableView->selectionModel()->hasSelection())
        return -1;
    const QModelIndex source = proxyModel->mapToSource(ui->tableView->currentIndex());
    return source.isValid() ? source.row() : -1;
}

void MainWindow::optionsSetting() {
    OptionDialog dialog(settings, this);
    dialog.exec();
}

void MainWindow::load() {
    // A refresh inside the running search is refused whole: its login test would run
    // halfway through that search and again after it.
    if (model->isSearching())
        return;
    // The search processes events while it blocks; every operation started meanwhile would
    // run nested inside it, so the panels stay off, the first search's too.
    WaitFor guard(this);
    QStringList texts;
    for (int i = 0; i < ui->networkSegmentComboBox->count(); ++i)
        texts.append(ui->networkSegmentComboBox->itemText(i));
    model->searchDevices(localAddresses, texts);
    ui->tableView->resizeColumnsToContents();
    ui->tableView->setFocus(Qt::OtherFocusReason);
    updateUi();
    // Every search is followed by the login test, whose guard takes over from this one
    // without a moment in between.
    testDevicesAccessible();
}

void MainWindow::startPoolOperation() {
    // The new guard comes before the old one goes, so the panels stay off in between.
    busyGuard = std::make_unique<WaitFor>(this);
}

void MainWindow::testDevicesAccessible() {
    startPoolOperation();
    model->testAccessible();
    QTimer::singleShot(kPoolCheckDelayMs, this, &MainWindow::modelThreadFinished);
}

void MainWindow::setIP() {
    const QList<DeviceItem*> rows = checkedDevices();
    if (rows.isEmpty())
        return;
    ModifyIPDialog dialog(this);
    dialog.setAddress(QHostAddress(rows.first()->text()));
    if (dialog.exec() != QDialog::Accepted)
        return;
    IPSetting setting;
    if (!dialog.ipSetting(setting))
        return;
    WaitFor guard(this);
    const QString problem = model->setIPs(setting);
    if (!problem.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), tr("%1 No device was changed.").arg(problem));
        return;
    }
    QTimer::singleShot(kRetestDelayMs, this, &MainWindow::testDevicesAccessible);
}

void MainWindow::syncIP() {
    const int count = checkedDevices().size();
    QList<IPSetting> free;
    if (!findFreeAddresses(count, free))
        return;
    WaitFor guard(this);
    model->syncIPs(free);
    QTimer::singleShot(kRetestDelayMs, this, &MainWindow::testDevicesAccessible);
}

bool MainWindow::findFreeAddresses(int count, QList<IPSetting>& free) {
    bool isIPv4 = false;
    const quint32 base =
        QHostAddress(ui->networkSegmentComboBox->currentText()).toIPv4Address(&isIPv4) &
        0xFFFFFF00u;
    if (!isIPv4)
        return false;  // no local network to look in
    QProgressDialog progress(tr("Searching for available IPs..."), tr("Abort Search"), 0,
                             kProgressEnd, this);
    progress.setWindowModality(Qt::WindowModal);
    PingProbe ping;
    for (quint32 host = kFirstCandidate; host <= kLastCandidate; ++host) {
        progress.setValue(int(host - kFirstCandidate));
        if (progress.wasCanceled())
            break;
        const QHostAddress candidate(base + host);
        const PingProbe::Outcome outcome = ping.probe(candidate);
        if (outcome == PingProbe::Outcome::Failed) {
            // Without a working ping an occupied address would look free: change nothing.
            progress.close();
            QMessageBox::warning(this, windowTitle(),
                                 tr("Cannot tell whether %1 is free (%2). No device was changed.")
                                     .arg(candidate.toString(), ping.failure()));
            return false;
        }
        if (outcome == PingProbe::Outcome::NoReply)
            free.append({candidate, QHostAddress(QStringLiteral("255.255.255.0")),
                         QHostAddress(base + 1), false});
        if (free.size() >= count)
            break;
    }
    progress.setValue(kProgressEnd);
    return true;
}

void MainWindow::setFullNetcomState() {
    const bool open = sender() == operationForm->form()->netcomOpenPushButton;
    WaitFor guard(this);
    model->setFullNetcom(open);
}

void MainWindow::syncTime() {
    WaitFor guard(this);
    model->syncTime(QDateTime::currentDateTime());
}

void MainWindow::rebootDevice() {
    WaitFor guard(this);
    model->reboot();
}

void MainWindow::recoveryDevice() {
    WaitFor guard(this);
    model->restore();
}

void MainWindow::setOSD() {
    Ui::OperationForm* operation = operationForm->form();
    startPoolOperation();
    const bool enable = operation->enableOSDCheckBox->isChecked();
    // A title of one space clears the camera's title.
    const QString title = enable ? operation->titleLineEdit->text() : QStringLiteral(" ");
    model->setTitle(enable, operation->dateAndTimeFormatComboBox->currentIndex(), title);
    QTimer::singleShot(kPoolCheckDelayMs, this, &MainWindow::modelThreadFinished);
}

void MainWindow::upgradeFirmware() {
    const QString path = firmwareUpgradeForm->form()->upgradeFileLineEdit->text();
    if (!QFile::exists(path))
        return;
    startPoolOperation();
    model->upgradeFirmware(path);
    QTimer::singleShot(kPoolCheckDelayMs, this, &MainWindow::modelThreadFinished);
}

void MainWindow::uploadFile() {
    // The converter becomes the window's only once it is done: its questions run an event
    // loop, in which the end of an earlier operation deletes whatever `decoder` holds.
    auto converter = std::make_unique<DecodeMp3>(settings.applicationDirectory());
    converter->makeTempFileName(firmwareUpgradeForm->form()->uploadFileLineEdit->text());
    if (!converter->decode())
        return;
    decoder = std::move(converter);
    startPoolOperation();
    model->uploadAudio(decoder->outputPath());
    QTimer::singleShot(kPoolCheckDelayMs, this, &MainWindow::modelThreadFinished);
}

void MainWindow::modelThreadFinished() {
    // The model counts its own tasks until each has reported, so a task's last notice never
    // finds itself still counted.
    if (model->runningTasks() != 0)
        return;
    busyGuard.reset();
    decoder.reset();
    ui->tableView->resizeColumnsToContents();
    ui->tableView->setFocus(Qt::OtherFocusReason);
}

void MainWindow::updateUi() {
    int selected = 0;
    for (int row = 0; row < model->rowCount(); ++row) {
        const QStandardItem* item = model->item(row, 0);
        if (item != nullptr && item->checkState() != Qt::Unchecked)
            ++selected;
    }
    ui->totalDeviceSpinBox->setValue(model->rowCount());
    ui->checkedDeviceSpinBox->setValue(selected);

    const bool any = selected > 0;
    Ui::OperationForm* operation = operationForm->form();
    for (QWidget* widget : std::initializer_list<QWidget*>{
             operation->setIPPushButton, operation->syncIPPushButton,
             operation->netcomOpenPushButton, operation->netcomClosePushButton,
             operation->syncTimepushButton, operation->rebootPushButton,
             operation->recoveryPushButton, operation->playCheckedDevicePushButton,
             operation->setOSDPushButton, operation->enableOSDCheckBox,
             operation->imageTestPushButton, operation->labelPrintingPushButton})
        widget->setEnabled(any);
    Ui::FirmwareUpgradeForm* firmware = firmwareUpgradeForm->form();
    firmware->upgradePushButton->setEnabled(any &&
                                            !firmware->upgradeFileLineEdit->text().isEmpty());
    firmware->uploadPushButton->setEnabled(any && !firmware->uploadFileLineEdit->text().isEmpty());
}

void MainWindow::setDeviceCheckState() {
    const bool all = sender() == ui->checkAllPushButton;
    for (int row = 0; row < model->rowCount(); ++row) {
        QStandardItem* item = model->item(row, 0);
        if (item == nullptr)
            continue;
        if (all)
            item->setCheckState(Qt::Checked);
        else
            item->setCheckState(item->checkState() == Qt::Unchecked ? Qt::Checked : Qt::Unchecked);
    }
}

void MainWindow::onItemChanged(QStandardItem* item) {
    switch (item->column()) {
        case DeviceTableModel::IPAddressColumn:
            QMetaObject::invokeMethod(this, "updateUi", Qt::QueuedConnection);
            break;
        case DeviceTableModel::StatusColumn:
        case DeviceTableModel::OSDColumn:
            ui->tableView->resizeColumnToContents(item->column());
            break;
        default:
            break;
    }
}

void MainWindow::tableViewPressed(const QModelIndex& index) {
    if (!QGuiApplication::mouseButtons().testFlag(Qt::RightButton))
        return;
    const QModelIndex source = proxyModel->mapToSource(index);
    const DeviceItem* item = source.isValid() ? deviceItem(source.row()) : nullptr;
    if (item == nullptr)
        return;
    const bool accessible = item->accessible() == 1;
    viewAction->setEnabled(accessible);
    remoteConfigAction->setEnabled(accessible);
    browserAction->setEnabled(accessible);
    qrCodeAction->setEnabled(!item->info()->cloudId.isEmpty());
}

QProcess* MainWindow::startProgram(const QString& program, const QStringList& arguments,
                                   Lifetime lifetime) {
    auto* process = new QProcess(this);
    // Nothing reads what the programs write: collected here, it would only pile up.
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    connect(process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), process,
            &QObject::deleteLater);
    connect(process, &QProcess::errorOccurred, process, [process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            process->deleteLater();
    });
    // A missing program (an empty path) fails to start as it is, without a shell's complaint.
    if (lifetime == Lifetime::EndsWithWindow || program.isEmpty()) {
        process->start(program, arguments, QIODevice::ReadWrite);
        return process;
    }
    // Ending a process object kills its program. An independent program therefore runs
    // under a shell that waits for it: the window's end kills only that shell, while the
    // program's exit code still comes back as the shell's.
    process->setObjectName(kIndependentShellName);
    process->start(kIndependentShell,
                   QStringList{QStringLiteral("-c"), kRunArguments, program} + arguments,
                   QIODevice::ReadWrite);
    return process;
}

void MainWindow::startPlayer(const DeviceItem* item, const QString& stream, bool fullScreen) {
    const DEVICE_INFO& info = *item->info();
    QStringList arguments = {
        QStringLiteral("-i"), info.ip.toString(), QStringLiteral("-u"), info.user,
        QStringLiteral("-p"), info.password,      QStringLiteral("-s"), stream,
        QStringLiteral("-t"), number(info.port)};
    if (fullScreen)
        arguments.append(QStringLiteral("-f"));
    // The player has nothing to save: it ends with Tarnwick.
    QProcess* player = startProgram(settings.playerProgram(), arguments, Lifetime::EndsWithWindow);
    if (!fullScreen)
        player->waitForFinished(kPlayerWaitMs);
}

void MainWindow::imageTest() {
    const QList<DeviceItem*> rows = checkedDevices();
    if (!rows.isEmpty())
        startPlayer(rows.first(), QStringLiteral("0"), true);
}

void MainWindow::playCheckedDevices() {
    imageTest();
}

void MainWindow::labelPrint() {
    const QList<DeviceItem*> rows = checkedDevices();
    if (rows.isEmpty())
        return;
    const DEVICE_INFO& info = *rows.first()->info();
    if (info.cloudId.isEmpty()) {
        const auto answer = QMessageBox::warning(
            this, windowTitle(),
            tr("%1 dose not contain a valid cloud ID, so the printed tag serial number is "
               "unpredictable, continue anyway?")
                .arg(info.ip.toString()),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::NoButton);
        if (answer != QMessageBox::Yes)
            return;
    }
    QProcess* designer =
        startProgram(settings.labelProgram(),
                     {QStringLiteral("--code"), info.cloudId, QStringLiteral("--serial"),
                      info.cloudId, QStringLiteral("--config"), settings.templateFile()},
                     Lifetime::Independent);
    designer->waitForFinished(kLabelWaitMs);
}

void MainWindow::devicePlay() {
    tableViewDoubleClicked(ui->tableView->currentIndex());
}

void MainWindow::tableViewDoubleClicked(const QModelIndex& index) {
    const QModelIndex source = proxyModel->mapToSource(index);
    const DeviceItem* item = source.isValid() ? deviceItem(source.row()) : nullptr;
    if (item == nullptr || item->accessible() != 1)
        return;
    // Quorlin's stream numbers: 0 the main stream, 1 the sub stream.
    startPlayer(item,
                ui->mainStreamCheckBox->isChecked() ? QStringLiteral("0") : QStringLiteral("1"),
                false);
}

void MainWindow::deviceConfig() {
    const int row = currentSourceRow();
    const DeviceItem* item = row >= 0 ? deviceItem(row) : nullptr;
    if (item == nullptr)
        return;
    const DEVICE_INFO& info = *item->info();
    QProcess* velmora =
        startProgram(settings.remoteConfigProgram(),
                     {QStringLiteral("-i"), info.ip.toString(), QStringLiteral("-u"), info.user,
                      QStringLiteral("-p"), info.password, QStringLiteral("-s"), number(info.port),
                      QStringLiteral("-e"), number(info.streamPort)},
                     Lifetime::Independent);
    if (velmora->waitForFinished(kVelmoraWaitMs) && velmora->exitStatus() == QProcess::NormalExit &&
        velmora->exitCode() == kVelmoraLoginFailed) {
        qDebug("二级菜单不能打开IPC\n");
        model->setStatusText(row, tr("Logon failed, please change the IP address to the same "
                                     "network segment on the host"));
    }
}

void MainWindow::webBrowser() {
    const int row = currentSourceRow();
    const QStandardItem* item = row >= 0 ? model->item(row, 0) : nullptr;
    if (item == nullptr)
        return;
    // The camera's page is always on the default port, whatever its API port.
    QDesktopServices::openUrl(
        QUrl(QStringLiteral("http://%1").arg(item->text()), QUrl::TolerantMode));
}

void MainWindow::deviceQRCode() {
    const int row = currentSourceRow();
    const QStandardItem* mac = row >= 0 ? model->item(row, DeviceTableModel::MACColumn) : nullptr;
    if (mac == nullptr)
        return;
    QrcodeDialog dialog(QString(mac->text()).remove(QLatin1Char(':'), Qt::CaseSensitive), this);
    dialog.exec();
}
