#pragma once

#include <QList>
#include <QMetaType>
#include <QString>

// One camera login account, as the session lists it and the account page edits it.
struct UserAccount {
    QString name;
    QString password;
    int level = 0;  // the user group: 0 administrator, 1 operator, 2 viewer
    bool enabled = false;
};

Q_DECLARE_METATYPE(UserAccount)
