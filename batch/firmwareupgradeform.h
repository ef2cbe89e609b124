// FirmwareUpgradeForm: the strip below the device table with the firmware file and the
// audio file to send, each with a file picker. The main window connects the two buttons.
#pragma once

#include <QWidget>
#include <memory>

class QLineEdit;

namespace Ui {
class FirmwareUpgradeForm;
}

class FirmwareUpgradeForm : public QWidget {
    Q_OBJECT
public:
    explicit FirmwareUpgradeForm(QWidget* parent = nullptr);
    ~FirmwareUpgradeForm() override;

    Ui::FirmwareUpgradeForm* form() const { return ui.get(); }

private slots:
    void browseFirmware();
    void browseUploadFile();

private:
    // Lets the user pick a file for field, starting beside the file it names; a cancelled
    // picker leaves the field as it was.
    void browse(QLineEdit* field, const QString& filter);

    std::unique_ptr<Ui::FirmwareUpgradeForm> ui;
};
