#include "InputUserDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>

namespace {

// The camera keeps names and passwords in 32-byte fields with a closing NUL.
constexpr int kMaxFieldBytes = 31;

bool fitsCamera(const QString& text) {
    return text.toLocal8Bit().size() <= kMaxFieldBytes;
}

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

}  // namespace

InputUserDialog::InputUserDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("InputUserDialog");
    resize(304, 230);
    setWindowTitle(tr("用户配置"));
    auto* layout = new QVBoxLayout(this);
    auto* box = named(new QGroupBox(tr("用户信息"), this), "groupBox");
    auto* form = new QFormLayout(box);
    usernameLineEdit = named(new QLineEdit(box), "usernameLineEdit");
    passwordLineEdit = named(new QLineEdit(box), "passwordLineEdit");
    passwordLineEdit->setEchoMode(QLineEdit::Password);
    confirmPasswordLineEdit = named(new QLineEdit(box), "confirmPasswordLineEdit");
    confirmPasswordLineEdit->setEchoMode(QLineEdit::Password);
    userGroupComboBox = named(new QComboBox(box), "userGroupComboBox");
    userGroupComboBox->addItems({tr("管理员"), tr("操作员"), tr("查看者")});
    userStatusCheckBox = named(new QCheckBox(box), "userStatusCheckBox");
    userStatusCheckBox->setChecked(true);
    form->addRow(tr("用户名称"), usernameLineEdit);
    form->addRow(tr("密码"), passwordLineEdit);
    form->addRow(tr("确认密码"), confirmPasswordLineEdit);
    form->addRow(tr("用户组"), userGroupComboBox);
    form->addRow(tr("用户启用"), userStatusCheckBox);
    layout->addWidget(box);
    auto* buttons = named(
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Horizontal, this),
        "buttonBox");
    connect(buttons, &QDialogButtonBox::accepted, this, &InputUserDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &InputUserDialog::reject);
    layout->addWidget(buttons);
}

void InputUserDialog::fill(const UserAccount& account) {
    usernameLineEdit->setText(account.name);
    passwordLineEdit->setText(account.password);
    confirmPasswordLineEdit->setText(account.password);
    userGroupComboBox->setCurrentIndex(account.level);
    userStatusCheckBox->setChecked(account.enabled);
    // The camera finds the account to change by its name, so the name cannot change here.
    usernameLineEdit->setReadOnly(true);
    fixedLevel = account.level;
    if (account.name.compare("admin", Qt::CaseInsensitive) == 0) {
        userGroupComboBox->setEnabled(false);
        userStatusCheckBox->setEnabled(false);
    }
}

UserAccount InputUserDialog::entered() const {
    UserAccount account;
    account.name = usernameLineEdit->text();
    account.password = passwordLineEdit->text();
    // A group the combo cannot show reads as -1 there; a locked one is sent back unchanged.
    account.level = userGroupComboBox->isEnabled() ? userGroupComboBox->currentIndex() : fixedLevel;
    account.enabled = userStatusCheckBox->isChecked();
    return account;
}

UserAccount InputUserDialog::getUser(QWidget* parent, const UserAccount* account, bool* accepted) {
    InputUserDialog dialog(parent);
    if (account != nullptr) {
        dialog.fill(*account);
    }
    const bool ok = dialog.exec() == QDialog::Accepted;
    if (accepted != nullptr) {
        *accepted = ok;
    }
    return ok ? dialog.entered() : UserAccount();
}

void InputUserDialog::refuse(QLineEdit* field, const QString& message) {
    field->setFocus();
    if (!message.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), message);
    }
}

void InputUserDialog::accept() {
    if (usernameLineEdit->text().isEmpty()) {
        refuse(usernameLineEdit);
    } else if (passwordLineEdit->text().isEmpty()) {
        refuse(passwordLineEdit);
    } else if (confirmPasswordLineEdit->text() != passwordLineEdit->text()) {
        refuse(confirmPasswordLineEdit);
    } else if (!fitsCamera(usernameLineEdit->text())) {
        refuse(usernameLineEdit, tr("用户名称不能超过31个字节！"));
    } else if (!fitsCamera(passwordLineEdit->text())) {
        refuse(passwordLineEdit, tr("密码不能超过31个字节！"));
    } else if (userGroupComboBox->isEnabled() && userGroupComboBox->currentIndex() < 0) {
        userGroupComboBox->setFocus();  // an account from the camera with an unknown group
    } else {
        QDialog::accept();
    }
}
