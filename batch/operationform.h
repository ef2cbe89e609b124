// OperationForm: the column of batch-operation buttons beside the device table. It only
// lays them out; the main window connects, enables and disables them.
#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class OperationForm;
}

class OperationForm : public QWidget {
    Q_OBJECT
public:
    explicit OperationForm(QWidget* parent = nullptr);
    ~OperationForm() override;

    Ui::OperationForm* form() const { return ui.get(); }

private:
    std::unique_ptr<Ui::OperationForm> ui;
};
