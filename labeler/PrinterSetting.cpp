#include "PrinterSetting.h"

#include <QPushButton>
#include <QTextStream>

#include "Settings.h"
#include "ui_PrinterSetting.h"

namespace {
const double kMillimetresPerInch = 25.4;
const double kPointsPerInch = 72.0;
// The lowest quality offered, taken when the chosen entry holds no number.
const int kFallbackDPI = 72;

QString formatted(double value) {
    return QString::number(value, 'g', 6);
}
}  // namespace

PrinterSetting::PrinterSetting(QWidget* parent) : QDialog(parent), ui(new Ui::PrinterSetting) {
    ui->setupUi(this);
    sizeMM = Settings::instance().pageSizeMM();
    showPageSize();
    ui->printQualityComboBox->setCurrentText(QString("%1dpi").arg(Settings::instance().printDPI()));
    for (QRadioButton* button :
         {ui->inchRadioButton, ui->millimeterRadioButton, ui->pointRadioButton}) {
        connect(button, &QRadioButton::toggled, this, &PrinterSetting::onRadioButtonToggled);
    }
    // textEdited: only the user's typing, not the dialog's own unit switch.
    for (QLineEdit* edit : {ui->widthLineEdit, ui->heightLineEdit}) {
        connect(edit, &QLineEdit::textEdited, this, &PrinterSetting::onPageSizeTextChanged);
    }
    updateOkButton();
}

PrinterSetting::~PrinterSetting() {
    delete ui;
}

void PrinterSetting::accept() {
    if (!Settings::isValidPageSizeMM(sizeMM)) {
        return;
    }
    Settings::instance().setPageSizeMM(sizeMM);
    Settings::instance().setPrintDPI(chosenDPI());
    QDialog::accept();
}

void PrinterSetting::onRadioButtonToggled(bool) {
    showPageSize();
}

// Text that is no number counts as 0, which leaves OK disabled.
void PrinterSetting::onPageSizeTextChanged(const QString&) {
    const double factor = millimetresPerUnit();
    sizeMM = QSizeF(ui->widthLineEdit->text().toDouble() * factor,
                    ui->heightLineEdit->text().toDouble() * factor);
    updateOkButton();
}

double PrinterSetting::millimetresPerUnit() const {
    if (ui->inchRadioButton->isChecked()) {
        return kMillimetresPerInch;
    }
    if (ui->millimeterRadioButton->isChecked()) {
        return 1.0;
    }
    return kMillimetresPerInch / kPointsPerInch;
}

// Only the shown numbers follow the unit; the page itself stays as it is, so switching units
// back and forth loses nothing.
void PrinterSetting::showPageSize() {
    const double factor = millimetresPerUnit();
    ui->widthLineEdit->setText(formatted(sizeMM.width() / factor));
    ui->heightLineEdit->setText(formatted(sizeMM.height() / factor));
}

void PrinterSetting::updateOkButton() {
    ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(Settings::isValidPageSizeMM(sizeMM));
}

int PrinterSetting::chosenDPI() const {
    QString text = ui->printQualityComboBox->currentText();
    QTextStream stream(&text);
    int dpi = 0;
    stream >> dpi;
    return stream.status() == QTextStream::Ok && dpi > 0 ? dpi : kFallbackDPI;
}
