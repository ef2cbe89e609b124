// The network pages of the configuration dialog: the wired interface's status with the
// camera's capabilities, and the Ethernet settings.
#include <QMessageBox>

#include "remote_config_dialog.h"

void RemoteConfigDialog::closeForNewLogin(const QString& message) {
    QMessageBox::warning(this, tr("请重新登录"), message, QMessageBox::Ok);
    close();
}
