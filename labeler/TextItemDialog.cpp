#include "TextItemDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "TextEdit.h"
#include "TextItem.h"

TextItemDialog::TextItemDialog(TextItem* item, const QPoint& position, QGraphicsScene* scene,
                               QWidget* parent)
    : QDialog(parent), textItem(item), position(position), scene(scene) {
    textEdit = new TextEdit(this);
    textEdit->setObjectName("textEdit");
    buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttonBox->setObjectName("buttonBox");
    buttonBox->button(QDialogButtonBox::Ok)
        ->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    buttonBox->button(QDialogButtonBox::Cancel)
        ->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    if (textItem) {
        textEdit->setPlainText(textItem->toPlainText());
        textEdit->setFont(textItem->font());
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(textEdit);
    layout->addWidget(buttonBox);
    connect(textEdit, &TextEdit::textChanged, this, &TextItemDialog::updateUi);
    connect(buttonBox, &QDialogButtonBox::accepted, this, &TextItemDialog::accept);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &TextItemDialog::reject);
    setWindowTitle(tr("%1 - %2 Text Item")
                       .arg(QApplication::applicationName(), textItem ? tr("Edit") : tr("Add")));
    updateUi();
}

void TextItemDialog::accept() {
    if (!textItem) {
        textItem = new TextItem(position, scene);
    }
    textItem->setPlainText(textEdit->toPlainText());
    textItem->setFont(textEdit->font());
    textItem->update();
    QDialog::accept();
}

void TextItemDialog::updateUi() {
    buttonBox->button(QDialogButtonBox::Ok)->setEnabled(!textEdit->toPlainText().isEmpty());
}
