#pragma once

#include <QDialog>

#include "user_account.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

// The form in which one camera account is entered or edited. It stays open until the name,
// the password and its confirmation are given and fit the camera's 31-byte fields.
class InputUserDialog : public QDialog {
    Q_OBJECT

public:
    explicit InputUserDialog(QWidget* parent = nullptr);

    // Runs the form modally, filled from account when one is given; the built-in "admin"
    // account can only get a new password. accepted tells whether the user pressed OK.
    static UserAccount getUser(QWidget* parent, const UserAccount* account, bool* accepted);

public slots:
    void accept() override;

private:
    void fill(const UserAccount& account);
    UserAccount entered() const;
    // Points the user at a field and keeps the form open.
    void refuse(QLineEdit* field, const QString& message = QString());

    QLineEdit* usernameLineEdit = nullptr;
    QLineEdit* passwordLineEdit = nullptr;
    QLineEdit* confirmPasswordLineEdit = nullptr;
    QComboBox* userGroupComboBox = nullptr;
    QCheckBox* userStatusCheckBox = nullptr;
    // The group of an account whose group the form does not let the user choose.
    int fixedLevel = 0;
};
