#include "optiondialog.h"

#include "appsettings.h"
#include "ui_optiondialog.h"

OptionDialog::OptionDialog(AppSettings& settings, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::OptionDialog>()), settings(settings) {
    ui->setupUi(this);
    for (const QLocale& locale : AppSettings::languages())
        ui->languageComboBox->addItem(QLocale::languageToString(locale.language()), locale);
    const int current = ui->languageComboBox->findData(settings.language());
    if (current >= 0)
        ui->languageComboBox->setCurrentIndex(current);
    ui->searchTimeoutsSpinBox->setValue(settings.searchTimeout());

    // The ports are fixed per camera; the rows stay in the form but are never offered.
    ui->sessionPortSpinBox->hide();
    ui->sessionPortLabel->hide();
    ui->streamPortSpinBox->hide();
    ui->streamPortLabel->hide();
}

OptionDialog::~OptionDialog() = default;

void OptionDialog::accept() {
    settings.setLanguage(ui->languageComboBox->currentData().toLocale());
    settings.setSearchTimeout(ui->searchTimeoutsSpinBox->value());
    QDialog::accept();
}
