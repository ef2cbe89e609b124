#include "refused_save.h"

#include <QCoreApplication>
#include <QMessageBox>

void warnSaveRefused(QWidget* page) {
    QMessageBox::warning(page, QCoreApplication::translate("RefusedSave", "保存失败"),
                         QCoreApplication::translate(
                             "RefusedSave", "摄像机没有接受这些参数，设置未保存，请稍后重试。"));
}
