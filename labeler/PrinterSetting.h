#pragma once

#include <QDialog>
#include <QSizeF>

namespace Ui {
class PrinterSetting;
}

// The "Page Setting" dialog: the label's page size, kept in millimetres and shown in inches,
// millimetres or points, and the print resolution. Accepting stores both in the settings.
class PrinterSetting : public QDialog {
    Q_OBJECT

public:
    explicit PrinterSetting(QWidget* parent = nullptr);
    ~PrinterSetting() override;

    // The page being edited, in millimetres, whatever unit is shown.
    QSizeF pageSizeMM() const { return sizeMM; }

public slots:
    // Stores the page and resolution; refuses a page the printer cannot take.
    void accept() override;

private slots:
    void onRadioButtonToggled(bool checked);
    void onPageSizeTextChanged(const QString& text);

private:
    double millimetresPerUnit() const;
    void showPageSize();
    void updateOkButton();
    int chosenDPI() const;

    Ui::PrinterSetting* ui;
    QSizeF sizeMM;
};
