// OptionDialog: edits Tarnwick's language and search timeout. Ok stores them; they act
// from the next start (language) and the next search (timeout).
#pragma once

#include <QDialog>
#include <memory>

class AppSettings;

namespace Ui {
class OptionDialog;
}

class OptionDialog : public QDialog {
    Q_OBJECT
public:
    explicit OptionDialog(AppSettings& settings, QWidget* parent = nullptr);
    ~OptionDialog() override;

public slots:
    void accept() override;

private:
    std::unique_ptr<Ui::OptionDialog> ui;
    AppSettings& settings;
};
