#include "PenWidget.h"

#include <QComboBox>
#include <QFormLayout>
#include <QSignalBlocker>
#include <QSpinBox>

#include "Swatches.h"

namespace {

struct PenStyleEntry {
    const char* text;
    Qt::PenStyle style;
};

const PenStyleEntry kPenStyles[] = {
    {QT_TRANSLATE_NOOP("PenWidget", "No Pen"), Qt::NoPen},
    {QT_TRANSLATE_NOOP("PenWidget", "Solid"), Qt::SolidLine},
    {QT_TRANSLATE_NOOP("PenWidget", "Dashed"), Qt::DashLine},
    {QT_TRANSLATE_NOOP("PenWidget", "Dotted"), Qt::DotLine},
    {QT_TRANSLATE_NOOP("PenWidget", "Dash-Dotted"), Qt::DashDotLine},
    {QT_TRANSLATE_NOOP("PenWidget", "Dash-Dot-Dotted"), Qt::DashDotDotLine},
};

// Width 0 is Qt's cosmetic pen, one device pixel whatever the zoom.
const int kMaxPenWidth = 20;

}  // namespace

PenWidget::PenWidget(QWidget* parent) : QWidget(parent) {
    setObjectName("penWidget");
    widthSpinBox = new QSpinBox(this);
    widthSpinBox->setObjectName("widthSpinBox");
    widthSpinBox->setRange(0, kMaxPenWidth);
    widthSpinBox->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    widthSpinBox->setSuffix(tr(" px"));
    widthSpinBox->setSpecialValueText(tr("1 px (fine)"));
    widthSpinBox->setValue(currentPen.width());
    styleComboBox = new QComboBox(this);
    styleComboBox->setObjectName("styleComboBox");
    for (const PenStyleEntry& entry : kPenStyles) {
        styleComboBox->addItem(penStyleSwatch(entry.style, Qt::black, Swatches::kSize),
                               tr(entry.text), QVariant::fromValue(entry.style));
    }
    styleComboBox->setCurrentIndex(
        styleComboBox->findData(QVariant::fromValue(currentPen.style()), Qt::UserRole));
    auto* form = new QFormLayout(this);
    form->addRow(tr("Width"), widthSpinBox);
    form->addRow(tr("Style"), styleComboBox);
    connect(widthSpinBox, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &PenWidget::updateWidth);
    connect(styleComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &PenWidget::updateLineStyle);
    setFixedSize(minimumSizeHint());
}

void PenWidget::setPen(const QPen& pen) {
    if (pen == currentPen) {
        return;
    }
    currentPen = pen;
    const QSignalBlocker widthBlocker(widthSpinBox);
    const QSignalBlocker styleBlocker(styleComboBox);
    widthSpinBox->setValue(pen.width());
    styleComboBox->setCurrentIndex(
        styleComboBox->findData(QVariant::fromValue(pen.style()), Qt::UserRole));
}

void PenWidget::updateWidth(int value) {
    currentPen.setWidth(value);
    emit penChanged(currentPen);
}

void PenWidget::updateLineStyle(int index) {
    if (index < 0) {
        return;
    }
    currentPen.setStyle(Qt::PenStyle(styleComboBox->itemData(index).toInt()));
    emit penChanged(currentPen);
}
