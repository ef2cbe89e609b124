#include "firmwareupgradeform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "ui_firmwareupgradeform.h"

FirmwareUpgradeForm::FirmwareUpgradeForm(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::FirmwareUpgradeForm>()) {
    ui->setupUi(this);
    connect(ui->browseFirmwareFileToolButton, &QToolButton::clicked, this,
            &FirmwareUpgradeForm::browseFirmware);
    connect(ui->browseMediaFileToolButton, &QToolButton::clicked, this,
            &FirmwareUpgradeForm::browseUploadFile);
}

FirmwareUpgradeForm::~FirmwareUpgradeForm() = default;

void FirmwareUpgradeForm::browseFirmware() {
    browse(ui->upgradeFileLineEdit, tr("%1 (*.rom *.pkg)"));
}

void FirmwareUpgradeForm::browseUploadFile() {
    browse(ui->uploadFileLineEdit, tr("%1 (*.mp3)"));
}

void FirmwareUpgradeForm::browse(QLineEdit* field, const QString& filter) {
    const QString current = field->text();
    const QString startDir =
        current.isEmpty() ? QDir::homePath() : QFileInfo(current).canonicalPath();
    const QString name = QCoreApplication::applicationName();
    const QString chosen =
        QFileDialog::getOpenFileName(this, tr("%1 - Open").arg(name), startDir, filter.arg(name));
    if (!chosen.isEmpty())
        field->setText(chosen);
}
