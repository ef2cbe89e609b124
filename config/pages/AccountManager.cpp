#include "AccountManager.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "InputUserDialog.h"
#include "zrsdk_instance.h"

namespace {

enum Column { NameColumn, GroupColumn, StatusColumn, ColumnCount };

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

}  // namespace

AccountManager::AccountManager(ZRSDKInstance* session, QWidget* parent)
    : QWidget(parent), groupNames({tr("管理员"), tr("操作员"), tr("查看者")}), session(session) {
    buildForm();
    connect(addPushButton, &QPushButton::clicked, this, &AccountManager::addUser);
    connect(deletePushButton, &QPushButton::clicked, this, &AccountManager::removeUser);
    connect(modifyPushButton, &QPushButton::clicked, this, &AccountManager::modifyUser);
    connect(tableWidget, &QTableWidget::itemSelectionChanged, this, &AccountManager::updateUi);
    QMetaObject::invokeMethod(this, "load", Qt::QueuedConnection);
}

void AccountManager::buildForm() {
    setObjectName("AccountManager");
    resize(400, 300);
    setWindowTitle(tr("AccountManager"));
    auto* pageLayout = new QVBoxLayout(this);
    auto* box = named(new QGroupBox(tr("用户管理"), this), "groupBox");
    auto* boxLayout = new QHBoxLayout(box);
    tableWidget = named(new QTableWidget(0, ColumnCount, box), "tableWidget");
    tableWidget->setHorizontalHeaderLabels({tr("用户名称"), tr("用户组"), tr("用户状态")});
    tableWidget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableWidget->setSelectionMode(QAbstractItemView::SingleSelection);
    tableWidget->setSelectionBehavior(QAbstractItemView::SelectRows);
    boxLayout->addWidget(tableWidget);
    auto* buttonLayout = new QVBoxLayout;
    addPushButton = named(new QPushButton(tr("添加用户"), box), "addPushButton");
    deletePushButton = named(new QPushButton(tr("删除用户"), box), "deletePushButton");
    modifyPushButton = named(new QPushButton(tr("修改用户"), box), "modifyPushButton");
    buttonLayout->addWidget(addPushButton);
    buttonLayout->addWidget(deletePushButton);
    buttonLayout->addWidget(modifyPushButton);
    buttonLayout->addStretch();
    boxLayout->addLayout(buttonLayout);
    pageLayout->addWidget(box);
}

QString AccountManager::groupName(int level) const {
    // A group the camera knows and this program does not still shows as something.
    return level >= 0 && level < groupNames.size() ? groupNames.at(level) : QString::number(level);
}

void AccountManager::showInRow(int row, const UserAccount& account) {
    auto* name = new QTableWidgetItem(account.name);
    name->setData(Qt::UserRole, account.password);
    tableWidget->setItem(row, NameColumn, name);
    auto* group = new QTableWidgetItem(groupName(account.level));
    group->setData(Qt::UserRole, account.level);  // also for a group without a name here
    tableWidget->setItem(row, GroupColumn, group);
    tableWidget->setItem(row, StatusColumn,
                         new QTableWidgetItem(account.enabled ? tr("启用") : tr("禁用")));
}

void AccountManager::appendRow(const UserAccount& account) {
    const int row = tableWidget->rowCount();
    tableWidget->insertRow(row);
    showInRow(row, account);
}

UserAccount AccountManager::accountInRow(int row) const {
    UserAccount account;
    account.name = tableWidget->item(row, NameColumn)->text();
    account.password = tableWidget->item(row, NameColumn)->data(Qt::UserRole).toString();
    account.level = tableWidget->item(row, GroupColumn)->data(Qt::UserRole).toInt();
    account.enabled = tableWidget->item(row, StatusColumn)->text() == tr("启用");
    return account;
}

int AccountManager::selectedRow() const {
    const QList<QTableWidgetItem*> selected = tableWidget->selectedItems();
    return selected.isEmpty() ? -1 : selected.first()->row();
}

bool AccountManager::tableHolds(const QString& text) const {
    for (int row = 0; row < tableWidget->rowCount(); ++row) {
        for (int column = 0; column < ColumnCount; ++column) {
            const QTableWidgetItem* item = tableWidget->item(row, column);
            if (item != nullptr && item->text() == text) {
                return true;
            }
        }
    }
    return false;
}

void AccountManager::load() {
    for (const UserAccount& account : session->userList()) {
        appendRow(account);
    }
    updateUi();
}

void AccountManager::updateUi() {
    const bool selected = !tableWidget->selectedItems().isEmpty();
    deletePushButton->setEnabled(selected);
    modifyPushButton->setEnabled(selected);
}

void AccountManager::addUser() {
    bool accepted = false;
    const UserAccount account = InputUserDialog::getUser(this, nullptr, &accepted);
    if (!accepted) {
        return;
    }
    if (tableHolds(account.name)) {
        QMessageBox::critical(this, windowTitle(), tr("不能重复添加账户 %1 ！").arg(account.name),
                              QMessageBox::Ok);
        return;
    }
    if (session->addUser(account, this)) {
        appendRow(account);
    }
}

void AccountManager::modifyUser() {
    const int row = selectedRow();
    if (row < 0) {
        return;
    }
    const UserAccount current = accountInRow(row);
    bool accepted = false;
    UserAccount edited = InputUserDialog::getUser(this, &current, &accepted);
    if (!accepted) {
        return;
    }
    // Another name would make the camera change the account of that name instead.
    edited.name = current.name;
    if (session->modifyUser(edited, this)) {
        showInRow(row, edited);
    }
}

void AccountManager::removeUser() {
    const int row = selectedRow();
    if (row < 0) {
        return;
    }
    const UserAccount account = accountInRow(row);
    if (account.name.compare("admin", Qt::CaseInsensitive) == 0) {
        QMessageBox::critical(this, windowTitle(), tr("内置管理员账户不能删除！"), QMessageBox::Ok);
        return;
    }
    const auto answer =
        QMessageBox::warning(this, windowTitle(), tr("您确定要删除用户 %1 吗？").arg(account.name),
                             QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes) {
        return;
    }
    if (session->deleteUser(account, this)) {
        tableWidget->removeRow(row);
    }
}
