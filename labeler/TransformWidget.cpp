#include "TransformWidget.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QSignalBlocker>
#include <QSpinBox>

#include "ItemRecords.h"

namespace {
const double kMaxAngle = 360.0;
const QChar kDegreeSign(0x00B0);
const QChar kLeftRightArrows(0x21C6);
const QChar kUpDownArrows(0x21C5);
}  // namespace

TransformWidget::TransformWidget(QWidget* parent) : QWidget(parent) {
    setObjectName("transformWidget");
    angleSpinBox = new QDoubleSpinBox(this);
    angleSpinBox->setObjectName("angleSpinBox");
    angleSpinBox->setRange(0.0, kMaxAngle);
    angleSpinBox->setDecimals(1);
    angleSpinBox->setSuffix(kDegreeSign);
    angleSpinBox->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    shearHorizontalSpinBox =
        createSizeSpinBox("shearHorizontalSpinBox", QString(" ") + kLeftRightArrows);
    shearVerticalSpinBox = createSizeSpinBox("shearVerticalSpinBox", QString(" ") + kUpDownArrows);
    auto* form = new QFormLayout(this);
    form->addRow(tr("Angle"), angleSpinBox);
    form->addRow(tr("Width"), shearHorizontalSpinBox);
    form->addRow(tr("Height"), shearVerticalSpinBox);
    connect(angleSpinBox, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            &TransformWidget::angleChanged);
    connect(shearHorizontalSpinBox, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &TransformWidget::updateShear);
    connect(shearVerticalSpinBox, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &TransformWidget::updateShear);
    setFixedSize(minimumSizeHint());
}

void TransformWidget::setAngle(double angle) {
    if (qFuzzyCompare(angle, angleSpinBox->value())) {
        return;
    }
    const QSignalBlocker blocker(this);
    angleSpinBox->setValue(angle);
}

void TransformWidget::setShear(int shearHorizontal, int shearVertical) {
    if (shearHorizontal == shearHorizontalSpinBox->value() &&
        shearVertical == shearVerticalSpinBox->value()) {
        return;
    }
    const QSignalBlocker blocker(this);
    shearHorizontalSpinBox->setValue(shearHorizontal);
    shearVerticalSpinBox->setValue(shearVertical);
}

void TransformWidget::updateShear() {
    emit shearChanged(shearHorizontalSpinBox->value(), shearVerticalSpinBox->value());
}

QSpinBox* TransformWidget::createSizeSpinBox(const QString& objectName, const QString& suffix) {
    auto* box = new QSpinBox(this);
    box->setObjectName(objectName);
    box->setRange(0, RecordLimits::kMaxItemSize);
    box->setSuffix(suffix);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return box;
}
