#include "operationform.h"

#include "ui_operationform.h"

OperationForm::OperationForm(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::OperationForm>()) {
    ui->setupUi(this);
}

OperationForm::~OperationForm() = default;
