// The network pages of the configuration dialog: the wired interface's status with the
// camera's capabilities, and the Ethernet settings.
#include <QDebug>
#include <QJsonDocument>
#include <QListWidget>
#include <QMessageBox>
#include <QStyle>
#include <QVariantMap>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "ipaddress.h"
#include "record_writes.h"
#include "remote_config_dialog.h"
#include "static_address_check.h"
#include "ui_remote_config_dialog.h"
#include "zrsdk_instance.h"

namespace {

// The address and MAC texts are parsed from buffers of this size, terminator included;
// a longer text is read only as far as it fits.
constexpr int kTextBuffer = 24;

QString addressText(const uint8_t (&address)[4]) {
    return QString::asprintf("%d.%d.%d.%d", address[0], address[1], address[2], address[3]);
}

QString macText(const uint8_t (&mac)[6]) {
    return QString::asprintf("%02x:%02x:%02x:%02x:%02x:%02x", mac[0], mac[1], mac[2], mac[3],
                             mac[4], mac[5]);
}

// "a.b.c.d" into four bytes, first part first; without three dots the bytes stay zero.
void parseAddress(const QString& text, uint8_t (&address)[4]) {
    const QByteArray bytes = text.toLatin1().left(kTextBuffer - 1);
    const char* first = bytes.constData();
    const char* dot1 = std::strchr(first, '.');
    const char* dot2 = dot1 != nullptr ? std::strchr(dot1 + 1, '.') : nullptr;
    const char* dot3 = dot2 != nullptr ? std::strchr(dot2 + 1, '.') : nullptr;
    if (dot3 == nullptr) {
        return;
    }
    address[0] = uint8_t(std::atoi(first));
    address[1] = uint8_t(std::atoi(dot1 + 1));
    address[2] = uint8_t(std::atoi(dot2 + 1));
    address[3] = uint8_t(std::atoi(dot3 + 1));
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return 0;  // not a digit: its nibble stays zero
}

// Two hex digits per byte at every third character, whatever the separator is.
void parseMac(const QString& text, uint8_t (&mac)[6]) {
    const QByteArray bytes = text.toLatin1().left(kTextBuffer - 1);
    for (int i = 0; i < 6 && 3 * i < bytes.size(); ++i) {
        const char high = bytes[3 * i];
        const char low = 3 * i + 1 < bytes.size() ? bytes[3 * i + 1] : '\0';
        mac[i] = uint8_t(hexDigit(high) << 4 | hexDigit(low));
    }
}

Qt::CheckState checkState(bool on) {
    return on ? Qt::Checked : Qt::Unchecked;
}

}  // namespace

// The save writes all three records from the form: a load counts only when it read every one.
bool RemoteConfigDialog::loadNetworkPage() {
    auto network = std::make_unique<NETSDK_PARAM_NETWORK>();
    if (NETSDK_GetParam(login_, channel_.get(), NETSDK_PARAM_ID_NETWORK, network.get(),
                        int(sizeof(*network))) != 0) {
        qDebug("获取网络配置信息失败");
        return false;
    }
    const QString mac = macText(network->mac);
    ui->fixed_edtHwAddr->setText(mac);
    ui->edtHwAddr->setText(mac);
    const QString ip = addressText(network->ip.address);
    ui->fixed_edtIPAddress->setText(ip);
    ui->edtIPAddress->setIP(ip);
    const QString mask = addressText(network->mask.address);
    ui->fixed_edtNetMask->setText(mask);
    ui->edtNetMask->setIP(mask);
    const QString gateway = addressText(network->gateway.address);
    ui->fixed_edtGateway->setText(gateway);
    ui->edtGateway->setIP(gateway);
    ui->fixed_edtEnableDHCP->setText(network->dhcp != 0 ? tr("DHCP") : tr("Static IP"));
    ui->ckxDHCP->setCheckState(checkState(network->dhcp != 0));

    auto dns = std::make_unique<NETSDK_PARAM_DNS>();
    if (NETSDK_GetParam(login_, channel_.get(), NETSDK_PARAM_ID_DNS, dns.get(),
                        int(sizeof(*dns))) != 0) {
        qDebug("获取DNS配置信息失败");
        return false;
    }
    ui->fixed_edtDNS1->setText(addressText(dns->primary.address));
    ui->edtDNS1->setIP(addressText(dns->primary.address));
    ui->fixed_edtDNS2->setText(addressText(dns->secondary.address));
    ui->edtDNS2->setIP(addressText(dns->secondary.address));

    auto adaption = std::make_unique<NETSDK_PARAM_IP_ADAPTION>();
    if (NETSDK_GetParam(login_, channel_.get(), NETSDK_PARAM_ID_IP_ADAPTION, adaption.get(),
                        int(sizeof(*adaption))) != 0) {
        qDebug("获取IP自适应信息失败");
        return false;
    }
    const bool adapting = adaption->enabled.value != 0;
    ui->fixed_edtNetIpAdaption->setText(adapting ? tr("Yes") : tr("No"));
    ui->ckxNetIpAdaption->setCheckState(checkState(adapting));

    showCapabilities();
    return true;
}

void RemoteConfigDialog::showCapabilities() {
    const QJsonDocument info = session_ ? session_->deviceInfo() : QJsonDocument();
    if (info.isEmpty()) {
        ui->capabilityGroupBox->hide();
        return;
    }
    ui->capabilityGroupBox->show();
    ui->capabilityListWidget->clear();
    const QVariantMap capabilities = info.toVariant().toMap().value("capabilities").toMap();
    for (auto entry = capabilities.cbegin(); entry != capabilities.cend(); ++entry) {
        const QStyle::StandardPixmap icon =
            entry.value().toBool() ? QStyle::SP_DialogApplyButton : QStyle::SP_DialogCancelButton;
        ui->capabilityListWidget->addItem(
            new QListWidgetItem(style()->standardIcon(icon), session_->capability(entry.key())));
    }
}

void RemoteConfigDialog::on_ckxDHCP_stateChanged(int state) {
    const bool manual = state == 0;
    const QWidgetList addressRows = {ui->ckxNetIpAdaption, ui->edtIPAddress, ui->edtNetMask,
                                     ui->edtGateway,       ui->edtDNS1,      ui->edtDNS2};
    for (QWidget* row : addressRows) {
        row->setEnabled(manual);
    }
}

// Warns about the first wrong field of a static address; true when there is none. With DHCP
// on the addresses are the camera's business.
bool RemoteConfigDialog::staticAddressAcceptable() {
    if (ui->ckxDHCP->isChecked()) {
        return true;
    }
    QString field;
    switch (invalidStaticAddressField(ui->edtIPAddress->getIP(), ui->edtNetMask->getIP(),
                                      ui->edtGateway->getIP())) {
        case StaticAddressField::None:
            return true;
        case StaticAddressField::Address:
            field = tr("IP地址");
            break;
        case StaticAddressField::Mask:
            field = tr("子网掩码");
            break;
        case StaticAddressField::Gateway:
            field = tr("网关");
            break;
    }
    QMessageBox::warning(this, tr("以太网设置"),
                         tr("%1无效，请检查后重新保存，设置没有发送。").arg(field));
    return false;
}

void RemoteConfigDialog::on_btnSaveNetworkConfig_clicked() {
    if (!staticAddressAcceptable()) {
        return;
    }
    auto dns = std::make_unique<NETSDK_PARAM_DNS>();
    parseAddress(ui->edtDNS1->getIP(), dns->primary.address);
    parseAddress(ui->edtDNS2->getIP(), dns->secondary.address);

    auto adaption = std::make_unique<NETSDK_PARAM_IP_ADAPTION>();
    adaption->enabled.value = ui->ckxNetIpAdaption->checkState() == Qt::Checked ? 1 : 0;

    auto network = std::make_unique<NETSDK_PARAM_NETWORK>();
    parseMac(ui->edtHwAddr->text(), network->mac);
    parseAddress(ui->edtIPAddress->getIP(), network->ip.address);
    parseAddress(ui->edtNetMask->getIP(), network->mask.address);
    parseAddress(ui->edtGateway->getIP(), network->gateway.address);
    network->dhcp = ui->ckxDHCP->checkState() == Qt::Checked ? 1 : 0;

    // The network record goes last: once the camera takes it, it may move to its new address.
    RecordWrites writes(this);
    if (!writes.write(tr("DNS"), paramWrite(login_, channel_.get(), NETSDK_PARAM_ID_DNS, *dns)) ||
        !writes.write(tr("IP自适应"),
                      paramWrite(login_, channel_.get(), NETSDK_PARAM_ID_IP_ADAPTION, *adaption)) ||
        !writes.write(tr("网络参数"),
                      paramWrite(login_, channel_.get(), NETSDK_PARAM_ID_NETWORK, *network))) {
        return;
    }
    closeForNewLogin(tr("远程IPC的地址已经设置成功，配置程序需要重新登录，本窗口将自动关闭！"));
}

void RemoteConfigDialog::closeForNewLogin(const QString& message) {
    QMessageBox::warning(this, tr("请重新登录"), message, QMessageBox::Ok);
    close();
}
