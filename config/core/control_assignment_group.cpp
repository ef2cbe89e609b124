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
#include <algorithm>

#include "combo_value.h"

ControlAssignmentGroup::ControlAssignmentGroup(QObject* parent) : QObject(parent) {}

void ControlAssignmentGroup::assignLineEdit(QLineEdit* edit, const QString& text) {
    assign(edit, [edit, text] { edit->setText(text); });
}

void ControlAssignmentGroup::assignSpinBox(QSpinBox* spinBox, int value) {
    assign(spinBox, [spinBox, value] { spinBox->setValue(value); });
}

void ControlAssignmentGroup::assignComboBox(QComboBox* comboBox, int index) {
    assign(comboBox, [comboBox, index] { comboBox->setCurrentIndex(index); });
}

void ControlAssignmentGroup::assignComboValue(QComboBox* comboBox, const QVariant& value) {
    assign(comboBox, [comboBox, value] { showComboValue(comboBox, value); });
}

void ControlAssignmentGroup::assignDoubleSpinBox(QDoubleSpinBox* spinBox, double value) {
    assign(spinBox, [spinBox, value] { spinBox->setValue(value); });
}

void ControlAssignmentGroup::assignCheckBox(QCheckBox* checkBox, bool checked) {
    assign(checkBox, [checkBox, checked] { checkBox->setChecked(checked); });
}

void ControlAssignmentGroup::assignButton(QAbstractButton* button, bool checked) {
    assign(button, [button, checked] { button->setChecked(checked); });
}

void ControlAssignmentGroup::assignGroupBox(QGroupBox* groupBox, bool checked) {
    assign(groupBox, [groupBox, checked] { groupBox->setChecked(checked); });
}

void ControlAssignmentGroup::assignSlider(QAbstractSlider* slider, int value) {
    assign(slider, [slider, value] { slider->setValue(value); });
}

void ControlAssignmentGroup::assignTimeEdit(QTimeEdit* timeEdit, const QTime& time) {
    assign(timeEdit, [timeEdit, time] { timeEdit->setTime(time); });
}

void ControlAssignmentGroup::addButton(QAbstractButton* button) {
    connect(button, &QAbstractButton::clicked, this,
            QOverload<bool>::of(&ControlAssignmentGroup::onButtonClicked));
}

void ControlAssignmentGroup::onButtonClicked(bool) {
    onButtonClicked();
}

void ControlAssignmentGroup::onButtonClicked() {
    // Indexed: a change handler that a restore runs may destroy a control of the group.
    for (size_t index = 0; index < assignments_.size(); ++index) {
        const std::function<void()> restore = assignments_[index].restore;
        restore();
    }
}

void ControlAssignmentGroup::assign(QObject* control, std::function<void()> restore) {
    forget(control);
    connect(control, &QObject::destroyed, this, &ControlAssignmentGroup::forget,
            Qt::UniqueConnection);
    assignments_.push_back({control, std::move(restore)});
}

void ControlAssignmentGroup::forget(QObject* control) {
    assignments_.erase(std::remove_if(assignments_.begin(), assignments_.end(),
                                      [control](const Assignment& assignment) {
                                          return assignment.control == control;
                                      }),
                       assignments_.end());
}
