#include "BrushWidget.h"

#include <QComboBox>
#include <QFormLayout>
#include <QSignalBlocker>

#include "Swatches.h"

namespace {

struct BrushStyleEntry {
    const char* text;
    Qt::BrushStyle style;
};

// Dense7Pattern is left out: it can hardly be told from no fill at label sizes.
const BrushStyleEntry kBrushStyles[] = {
    {QT_TRANSLATE_NOOP("BrushWidget", "No Brush"), Qt::NoBrush},
    {QT_TRANSLATE_NOOP("BrushWidget", "Solid"), Qt::SolidPattern},
    {QT_TRANSLATE_NOOP("BrushWidget", "Dense #1"), Qt::Dense1Pattern},
    {QT_TRANSLATE_NOOP("BrushWidget", "Dense #2"), Qt::Dense2Pattern},
    {QT_TRANSLATE_NOOP("BrushWidget", "Dense #3"), Qt::Dense3Pattern},
    {QT_TRANSLATE_NOOP("BrushWidget", "Dense #4"), Qt::Dense4Pattern},
    {QT_TRANSLATE_NOOP("BrushWidget", "Dense #5"), Qt::Dense5Pattern},
    {QT_TRANSLATE_NOOP("BrushWidget", "Dense #6"), Qt::Dense6Pattern},
    {QT_TRANSLATE_NOOP("BrushWidget", "Horizontal"), Qt::HorPattern},
    {QT_TRANSLATE_NOOP("BrushWidget", "Vertical"), Qt::VerPattern},
    {QT_TRANSLATE_NOOP("BrushWidget", "Cross"), Qt::CrossPattern},
    {QT_TRANSLATE_NOOP("BrushWidget", "Diagonal /"), Qt::BDiagPattern},
    {QT_TRANSLATE_NOOP("BrushWidget", "Diagonal \\"), Qt::FDiagPattern},
    {QT_TRANSLATE_NOOP("BrushWidget", "Diagonal Cross"), Qt::DiagCrossPattern},
};

}  // namespace

BrushWidget::BrushWidget(QWidget* parent) : QWidget(parent) {
    setObjectName("brushWidget");
    styleComboBox = new QComboBox(this);
    styleComboBox->setObjectName("styleComboBox");
    for (const BrushStyleEntry& entry : kBrushStyles) {
        styleComboBox->addItem(brushStyleSwatch(entry.style, Qt::black, Swatches::kSize),
                               tr(entry.text), QVariant::fromValue(entry.style));
    }
    auto* form = new QFormLayout(this);
    form->addRow(tr("Style"), styleComboBox);
    connect(styleComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &BrushWidget::updateStyle);
    setFixedSize(minimumSizeHint());
}

void BrushWidget::setBrush(const QBrush& brush) {
    if (brush == currentBrush) {
        return;
    }
    currentBrush = brush;
    const QSignalBlocker blocker(styleComboBox);
    styleComboBox->setCurrentIndex(
        styleComboBox->findData(QVariant::fromValue(brush.style()), Qt::UserRole));
}

void BrushWidget::updateStyle(int index) {
    if (index < 0) {
        return;
    }
    currentBrush.setStyle(Qt::BrushStyle(styleComboBox->itemData(index).toInt()));
    emit brushChanged(currentBrush);
}
