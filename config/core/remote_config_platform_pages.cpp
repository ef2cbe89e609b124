// The GB/T 28181 page of the configuration dialog: the camera's registration with a SIP
// video platform. The cloud platform and streaming pages beside it are forms only.
#include <QDebug>
#include <QLineEdit>
#include <QMessageBox>
#include <memory>

#include "combo_value.h"
#include "record_text.h"
#include "record_writes.h"
#include "remote_config_dialog.h"
#include "ui_remote_config_dialog.h"

namespace {

// The camera restarts its SIP side with the new settings.
constexpr int kGb28181WaitMs = 15000;

template <size_t N>
bool copyText(char (&field)[N], const QString& text) {
    return copyRecordText(field, N, text.toLatin1());
}

// The address field's input mask keeps its dots when nothing was entered; that is no address.
QString enteredAddress(const QLineEdit* edit) {
    const QString text = edit->text();
    return QString(text).remove('.').isEmpty() ? QString() : text;
}

}  // namespace

bool RemoteConfigDialog::loadGB28181Page() {
    auto record = std::make_unique<NETSDK_PARAM_GB28181>();
    if (NETSDK_GetParam(login_, channel_.get(), NETSDK_PARAM_ID_GB28181, record.get(),
                        int(sizeof(*record))) != 0) {
        qDebug("获取GB28181信息失败");
        return false;
    }
    ui->gbxEnableGB28181->setChecked(record->enabled != 0);
    ui->edtServerHost->setText(recordText(record->serverAddress));
    ui->spbServerPort->setValue(record->serverPort);
    ui->edtServerID->setText(recordText(record->serverId));
    ui->edtServerName->setText(recordText(record->serverDomain));
    ui->spbExpires->setValue(record->registrationSeconds);
    ui->spbKeepAlive->setValue(record->heartbeatSeconds);
    ui->spbKeepAliveNum->setValue(record->heartbeatMisses);
    ui->edtDevName->setText(recordText(record->userName));
    ui->edtDevID->setText(recordText(record->authenticationId));
    ui->edtPasswd->setText(recordText(record->password));
    ui->edtPasswdConfirm->setText(recordText(record->password));
    ui->spbDevPort->setValue(record->localPort);
    showComboValue(ui->cbxStreamIdx, record->stream);
    // Each ID field holds 32 channel IDs of 32 bytes; the page edits the first channel's.
    ui->edtVideoID->setText(recordText(record->videoChannelIds[0]));
    ui->edtAudioID->setText(recordText(record->audioOutputIds[0]));
    ui->edtAlarmID->setText(recordText(record->alarmIds[0]));
    return true;
}

void RemoteConfigDialog::on_btnSaveGB28181Config_clicked() {
    if (ui->edtPasswd->text() != ui->edtPasswdConfirm->text()) {
        QMessageBox::information(this, tr("密码校验"),
                                 tr("两次密码输入不一致，请重新输入密码，确保一致！"),
                                 QMessageBox::Ok);
        ui->edtPasswd->setFocus(Qt::OtherFocusReason);
        return;
    }
    auto record = std::make_unique<NETSDK_PARAM_GB28181>();
    record->enabled = ui->gbxEnableGB28181->isChecked() ? 1 : 0;
    record->serverPort = ui->spbServerPort->value();
    record->registrationSeconds = ui->spbExpires->value();
    record->heartbeatSeconds = ui->spbKeepAlive->value();
    record->heartbeatMisses = ui->spbKeepAliveNum->value();
    record->localPort = ui->spbDevPort->value();
    record->stream = ui->cbxStreamIdx->currentData().toInt();
    // The forms hold each text to its field; anything longer is not sent at all.
    const bool textsFit = copyText(record->serverAddress, enteredAddress(ui->edtServerHost)) &&
                          copyText(record->serverId, ui->edtServerID->text()) &&
                          copyText(record->serverDomain, ui->edtServerName->text()) &&
                          copyText(record->userName, ui->edtDevName->text()) &&
                          copyText(record->authenticationId, ui->edtDevID->text()) &&
                          copyText(record->password, ui->edtPasswd->text()) &&
                          copyText(record->videoChannelIds[0], ui->edtVideoID->text()) &&
                          copyText(record->audioOutputIds[0], ui->edtAudioID->text()) &&
                          copyText(record->alarmIds[0], ui->edtAlarmID->text());
    if (!textsFit) {
        qDebug("设置GB28181信息失败");
        return;
    }
    RecordWrites writes(this);
    writes.write(paramWrite(login_, channel_.get(), NETSDK_PARAM_ID_GB28181, *record),
                 "设置GB28181信息失败");
    writes.waitApplied(tr("正在配置GB28181参数，请等待IPC重启..."), kGb28181WaitMs);
}
