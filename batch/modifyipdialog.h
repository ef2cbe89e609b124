// ModifyIPDialog: asks for the address, mask and gateway that "Set IP" gives the ticked
// devices, and whether the address is a start to count up from or one address for all.
#pragma once

#include <QDialog>
#include <QHostAddress>
#include <memory>

#include "ipsetting.h"

namespace Ui {
class ModifyIPDialog;
}

class ModifyIPDialog : public QDialog {
    Q_OBJECT
public:
    explicit ModifyIPDialog(QWidget* parent = nullptr);
    ~ModifyIPDialog() override;

    // Prefills the address, the mask 255.255.255.0 and the gateway x.y.z.1 of its network,
    // and leaves the cursor in the address's last box.
    void setAddress(const QHostAddress& address);

    // Reads the three editors into setting; false when one does not hold a whole address.
    bool ipSetting(IPSetting& setting) const;

private:
    std::unique_ptr<Ui::ModifyIPDialog> ui;
};
