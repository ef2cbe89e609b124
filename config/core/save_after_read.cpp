#include "save_after_read.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QLabel>

namespace {

// The box layout under root that holds widget itself, searched depth first; null when none.
QBoxLayout* boxHolding(QLayout* root, const QWidget* widget) {
    if (root == nullptr) {
        return nullptr;
    }
    if (root->indexOf(const_cast<QWidget*>(widget)) >= 0) {
        return qobject_cast<QBoxLayout*>(root);
    }
    for (int index = 0; index < root->count(); ++index) {
        if (QBoxLayout* box = boxHolding(root->itemAt(index)->layout(), widget)) {
            return box;
        }
    }
    return nullptr;
}

// A hidden notice in the save button's row, right after the button.
QLabel* noticeBeside(QAbstractButton* save) {
    auto* notice =
        new QLabel(SaveAfterRead::tr(
                       "摄像机的参数没有读到，保存已停用：保存会用空白或默认值覆盖摄像机的设置。"),
                   save->parentWidget());
    notice->setObjectName("readFailureLabel");
    notice->setWordWrap(true);
    notice->setStyleSheet("color: #c00000;");
    notice->hide();
    QWidget* holder = save->parentWidget();
    if (QBoxLayout* row = boxHolding(holder != nullptr ? holder->layout() : nullptr, save)) {
        row->insertWidget(row->indexOf(save) + 1, notice);
    }
    return notice;
}

}  // namespace

SaveAfterRead::SaveAfterRead(const QList<QAbstractButton*>& saves) : QObject(saves.value(0)) {
    for (QAbstractButton* save : saves) {
        saves_.append(save);
    }
    if (!saves.isEmpty()) {
        notice_ = noticeBeside(saves.front());
    }
    enableSaves(false);
}

void SaveAfterRead::load(const std::function<bool()>& read) {
    // Shut while the form changes, so that nothing half-read can be sent meanwhile.
    enableSaves(false);
    const bool readAll = read();
    enableSaves(readAll);
    if (notice_) {
        notice_->setVisible(!readAll);
    }
}

void SaveAfterRead::enableSaves(bool enabled) {
    for (const QPointer<QAbstractButton>& save : qAsConst(saves_)) {
        if (save) {
            save->setEnabled(enabled);
        }
    }
}
