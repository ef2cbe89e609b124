#include "login_dialog.h"

#include <QSettings>

#include "ui_login_dialog.h"

namespace {
const char* const kGroup = "LoginDialog";
const char* const kUserName = "userName";
const char* const kPassword = "passWord";
const char* const kStreamPort = "streamPort";
const char* const kSessionPort = "sessionPort";
}  // namespace

LoginDialog::LoginDialog(QWidget* parent) : QDialog(parent), ui(new Ui::LoginDialog) {
    ui->setupUi(this);
    loadSettings();
    ui->streamPortSpinBox->hide();
    ui->streamPortLabel->hide();
    ui->sessionPortSpinBox->hide();
    ui->sessionPortLabel->hide();
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
}

LoginDialog::~LoginDialog() = default;

QString LoginDialog::userName() const {
    return ui->userLineEdit->text();
}

QString LoginDialog::password() const {
    return ui->passwordLineEdit->text();
}

int LoginDialog::sessionPort() const {
    return ui->sessionPortSpinBox->value();
}

int LoginDialog::streamPort() const {
    return ui->streamPortSpinBox->value();
}

void LoginDialog::accept() {
    saveSettings();
    QDialog::accept();
}

void LoginDialog::loadSettings() {
    QSettings settings;
    settings.beginGroup(kGroup);
    ui->userLineEdit->setText(settings.value(kUserName, "admin").toString());
    ui->passwordLineEdit->setText(settings.value(kPassword, "730518").toString());
    ui->streamPortSpinBox->setValue(settings.value(kStreamPort, 1680).toInt());
    ui->sessionPortSpinBox->setValue(settings.value(kSessionPort, 80).toInt());
}

void LoginDialog::saveSettings() {
    QSettings settings;
    settings.beginGroup(kGroup);
    settings.setValue(kUserName, ui->userLineEdit->text());
    settings.setValue(kPassword, ui->passwordLineEdit->text());
    settings.setValue(kStreamPort, ui->streamPortSpinBox->value());
    settings.setValue(kSessionPort, ui->sessionPortSpinBox->value());
}
