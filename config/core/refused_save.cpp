#include "refused_save.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QStringList>

namespace {

QString refusedSaveTitle() {
    return QCoreApplication::translate("RefusedSave", "保存失败");
}

}  // namespace

void warnSaveRefused(QWidget* page) {
    QMessageBox::warning(page, refusedSaveTitle(),
                         QCoreApplication::translate(
                             "RefusedSave", "摄像机没有接受这些参数，设置未保存，请稍后重试。"));
}

void warnRecordRefused(QWidget* page, const QString& refused, const QStringList& written) {
    const QString writtenList =
        written.isEmpty() ? QCoreApplication::translate("RefusedSave", "无")
                          : written.join(QCoreApplication::translate("RefusedSave", "、"));
    QMessageBox::warning(page, refusedSaveTitle(),
                         QCoreApplication::translate("RefusedSave",
                                                     "摄像机没有接受%1，设置未全部保存。\n"
                                                     "此前已写入摄像机的：%2。")
                             .arg(refused, writtenList));
}
