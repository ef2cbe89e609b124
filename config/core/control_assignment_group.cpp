#include "control_assignment_group.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTimeEdit>

namespace {

// Writes each recorded value into its control; Control is the map's real control type.
template <typename Control, typename Value, typename Setter>
void restoreAll(const QHash<QObject*, Value>& recorded, Setter setter) {
    for (auto entry = recorded.cbegin(); entry != recorded.cend(); ++entry) {
        setter(static_cast<Control*>(entry.key()), entry.value());
    }
}

}  // namespace

ControlAssignmentGroup::ControlAssignmentGroup(QObject* parent) : QObject(parent) {}

void ControlAssignmentGroup::assignLineEdit(QLineEdit* edit, const QString& text) {
    track(edit);
    lineEdits_.insert(edit, text);
}

void ControlAssignmentGroup::assignSpinBox(QSpinBox* spinBox, int value) {
    track(spinBox);
    spinBoxes_.insert(spinBox, value);
}

void ControlAssignmentGroup::assignComboBox(QComboBox* comboBox, int index) {
    track(comboBox);
    comboBoxes_.insert(comboBox, index);
}

void ControlAssignmentGroup::assignDoubleSpinBox(QDoubleSpinBox* spinBox, double value) {
    track(spinBox);
    doubleSpinBoxes_.insert(spinBox, value);
}

void ControlAssignmentGroup::assignCheckBox(QCheckBox* checkBox, bool checked) {
    track(checkBox);
    checkBoxes_.insert(checkBox, checked);
}

void ControlAssignmentGroup::assignButton(QAbstractButton* button, bool checked) {
    track(button);
    buttons_.insert(button, checked);
}

void ControlAssignmentGroup::assignGroupBox(QGroupBox* groupBox, bool checked) {
    track(groupBox);
    groupBoxes_.insert(groupBox, checked);
}

void ControlAssignmentGroup::assignSlider(QAbstractSlider* slider, int value) {
    track(slider);
    sliders_.insert(slider, value);
}

void ControlAssignmentGroup::assignTimeEdit(QTimeEdit* timeEdit, const QTime& time) {
    track(timeEdit);
    timeEdits_.insert(timeEdit, time);
}

void ControlAssignmentGroup::addButton(QAbstractButton* button) {
    connect(button, &QAbstractButton::clicked, this,
            QOverload<bool>::of(&ControlAssignmentGroup::onButtonClicked));
}

void ControlAssignmentGroup::onButtonClicked(bool) {
    onButtonClicked();
}

void ControlAssignmentGroup::onButtonClicked() {
    restoreAll<QSpinBox>(spinBoxes_, [](QSpinBox* c, int v) { c->setValue(v); });
    restoreAll<QDoubleSpinBox>(doubleSpinBoxes_,
                               [](QDoubleSpinBox* c, double v) { c->setValue(v); });
    restoreAll<QLineEdit>(lineEdits_, [](QLineEdit* c, const QString& v) { c->setText(v); });
    restoreAll<QComboBox>(comboBoxes_, [](QComboBox* c, int v) { c->setCurrentIndex(v); });
    restoreAll<QCheckBox>(checkBoxes_, [](QCheckBox* c, bool v) { c->setChecked(v); });
    restoreAll<QAbstractButton>(buttons_, [](QAbstractButton* c, bool v) { c->setChecked(v); });
    restoreAll<QGroupBox>(groupBoxes_, [](QGroupBox* c, bool v) { c->setChecked(v); });
    restoreAll<QAbstractSlider>(sliders_, [](QAbstractSlider* c, int v) { c->setValue(v); });
    restoreAll<QTimeEdit>(timeEdits_, [](QTimeEdit* c, const QTime& v) { c->setTime(v); });
}

void ControlAssignmentGroup::track(QObject* control) {
    connect(control, &QObject::destroyed, this, &ControlAssignmentGroup::forget,
            Qt::UniqueConnection);
}

void ControlAssignmentGroup::forget(QObject* control) {
    lineEdits_.remove(control);
    spinBoxes_.remove(control);
    comboBoxes_.remove(control);
    doubleSpinBoxes_.remove(control);
    checkBoxes_.remove(control);
    buttons_.remove(control);
    groupBoxes_.remove(control);
    sliders_.remove(control);
    timeEdits_.remove(control);
}
