#pragma once

#include <QStringList>
#include <QWidget>

#include "user_account.h"

class QPushButton;
class QTableWidget;
class ZRSDKInstance;

// The page of the camera's login accounts: lists them and adds, modifies and deletes one at a
// time. The table changes only after the camera has taken the change; a refusal is shown
// over the page.
class AccountManager : public QWidget {
    Q_OBJECT

public:
    // The session is not owned; the configuration dialog keeps it alive longer than its pages.
    AccountManager(ZRSDKInstance* session, QWidget* parent = nullptr);

private slots:
    void load();
    void updateUi();
    void addUser();
    void removeUser();
    void modifyUser();

private:
    void buildForm();
    void appendRow(const UserAccount& account);
    void showInRow(int row, const UserAccount& account);
    UserAccount accountInRow(int row) const;
    int selectedRow() const;
    bool tableHolds(const QString& text) const;
    QString groupName(int level) const;

    QStringList groupNames;
    ZRSDKInstance* session;
    QTableWidget* tableWidget = nullptr;
    QPushButton* addPushButton = nullptr;
    QPushButton* deletePushButton = nullptr;
    QPushButton* modifyPushButton = nullptr;
};
