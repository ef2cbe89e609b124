#include "login_dialog.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include "ui_login_dialog.h"

namespace {
const char* const kGroup = "LoginDialog";
const char* const kUserName = "userName";
const char* const kPassword = "passWord";
const char* const kStreamPort = "streamPort";
const char* const kSessionPort = "sessionPort";

// The settings file holds the password in clear text: it is made readable by its owner
// only before anything is written to it. The settings store rewrites it through a file of
// the same permissions, so the mode stays.
void keepSettingsPrivate(const QString& fileName) {
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    const int descriptor = ::open(QFile::encodeName(fileName).constData(),
                                  O_WRONLY | O_CREAT | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (descriptor < 0) {
        qWarning("Cannot create the login settings %s", qPrintable(fileName));
        return;
    }
    ::fchmod(descriptor, S_IRUSR | S_IWUSR);  // an older file may have been made readable
    ::close(descriptor);
}
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
    keepSettingsPrivate(settings.fileName());
    settings.beginGroup(kGroup);
    settings.setValue(kUserName, ui->userLineEdit->text());
    settings.setValue(kPassword, ui->passwordLineEdit->text());
    settings.setValue(kStreamPort, ui->streamPortSpinBox->value());
    settings.setValue(kSessionPort, ui->sessionPortSpinBox->value());
}
