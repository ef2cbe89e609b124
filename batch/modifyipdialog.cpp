#include "modifyipdialog.h"

#include "ui_modifyipdialog.h"

ModifyIPDialog::ModifyIPDialog(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::ModifyIPDialog>()) {
    ui->setupUi(this);
}

ModifyIPDialog::~ModifyIPDialog() = default;

void ModifyIPDialog::setAddress(const QHostAddress& address) {
    const quint32 number = address.toIPv4Address();
    ui->ipLineEdit->setIP(address.toString());
    ui->subnetMaskLineEdit->setIP(QStringLiteral("255.255.255.0"));
    ui->gatewayLineEdit->setIP(QHostAddress((number & 0xFFFFFF00u) | 1u).toString());
    ui->ipLineEdit->focusLastOctet(Qt::OtherFocusReason);
}

bool ModifyIPDialog::ipSetting(IPSetting& setting) const {
    const QString ip = ui->ipLineEdit->getIP();
    if (ip.isEmpty() || !setting.ip.setAddress(ip))
        return false;
    if (!setting.mask.setAddress(ui->subnetMaskLineEdit->getIP()))
        return false;
    if (!setting.gateway.setAddress(ui->gatewayLineEdit->getIP()))
        return false;
    setting.sameIP = ui->sameIPRadioButton->isChecked();
    return true;
}
