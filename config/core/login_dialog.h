#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class LoginDialog;
}

// Asks for the camera's user name and password when the command line's are missing or
// refused. The fields start from the last accepted values; the ports are kept in the
// settings but never shown.
class LoginDialog : public QDialog {
    Q_OBJECT
public:
    explicit LoginDialog(QWidget* parent);
    ~LoginDialog() override;

    QString userName() const;
    QString password() const;
    int sessionPort() const;
    int streamPort() const;

    // Saves the fields, so that the next dialog offers them again, then accepts.
    void accept() override;

private:
    void loadSettings();
    void saveSettings();

    std::unique_ptr<Ui::LoginDialog> ui;
};
