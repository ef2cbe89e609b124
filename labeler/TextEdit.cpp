#include "TextEdit.h"

#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
const double kMinPointSize = 1.0;
const double kMaxPointSize = 280.0;
}  // namespace

TextEdit::TextEdit(QWidget* parent) : QWidget(parent) {
    createTextField();
    createToolBar();
    createLayout();
    connect(fontComboBox, &QFontComboBox::currentFontChanged, this, &TextEdit::setFontFamily);
    connect(sizeSpinBox, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            &TextEdit::setFontPointSize);
    connect(textField, &QPlainTextEdit::textChanged, this, &TextEdit::textChanged);
    textField->setFocus(Qt::OtherFocusReason);
}

void TextEdit::setPlainText(const QString& text) {
    textField->setPlainText(text);
}

QString TextEdit::toPlainText() const {
    return textField->toPlainText();
}

void TextEdit::setFont(const QFont& font) {
    if (font == editedFont) {
        return;
    }
    editedFont = font;
    // The boxes only show the font: a family this machine substitutes, a size in pixels or one
    // between the box's steps must not come back altered into the font the item keeps.
    const QSignalBlocker familyBlocker(fontComboBox);
    const QSignalBlocker sizeBlocker(sizeSpinBox);
    fontComboBox->setCurrentFont(font);
    sizeSpinBox->setValue(font.pointSizeF());
}

void TextEdit::setFontPointSize(double points) {
    editedFont.setPointSizeF(points);
}

void TextEdit::setFontFamily(const QFont& font) {
    editedFont.setFamily(font.family());
}

void TextEdit::createTextField() {
    textField = new QPlainTextEdit(this);
    textField->setObjectName("textField");
    textField->setTabChangesFocus(true);
    textField->setPlainText(
        tr("The content in {} will be replaced. %1 %2").arg("{%serial%}", "{%date%}"));
}

void TextEdit::createToolBar() {
    toolBar = new QToolBar(tr("Font"), this);
    fontComboBox = new QFontComboBox;
    fontComboBox->setObjectName("fontComboBox");
    fontComboBox->setCurrentFont(editedFont);
    sizeSpinBox = new QDoubleSpinBox;
    sizeSpinBox->setObjectName("sizeSpinBox");
    sizeSpinBox->setDecimals(1);
    sizeSpinBox->setSingleStep(0.1);
    sizeSpinBox->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    sizeSpinBox->setRange(kMinPointSize, kMaxPointSize);
    sizeSpinBox->setValue(editedFont.pointSizeF());
    toolBar->addWidget(new QLabel(tr("Font:")));
    toolBar->addWidget(fontComboBox);
    toolBar->addWidget(new QLabel(tr("Size:")));
    toolBar->addWidget(sizeSpinBox);
}

void TextEdit::createLayout() {
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Raised);
    auto* frameLayout = new QHBoxLayout(frame);
    frameLayout->setContentsMargins(2, 2, 2, 2);
    frameLayout->addWidget(toolBar);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(3);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
    layout->addWidget(textField);
}
