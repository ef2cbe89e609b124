#pragma once

#include <QObject>
#include <QTime>
#include <QVariant>
#include <functional>
#include <vector>

class QAbstractButton;
class QAbstractSlider;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLineEdit;
class QSpinBox;
class QTimeEdit;

// Remembers, per control of one page, the value that a restore button puts back (the
// camera's defaults, recorded while the page loads). A click writes every recorded value
// into its control with the control's usual setter, so the page's own change handlers run
// as if the user had made the change; nothing goes to the camera until the page is saved.
// The values go back in the order they were recorded, since one control's handler may set
// another. A control that is destroyed drops out of the group, so a later restore never
// touches it.
class ControlAssignmentGroup : public QObject {
    Q_OBJECT
public:
    explicit ControlAssignmentGroup(QObject* parent);

    // Each records the control's value, replacing the one recorded before; the control
    // then takes its place after the controls recorded so far.
    void assignLineEdit(QLineEdit* edit, const QString& text);
    void assignSpinBox(QSpinBox* spinBox, int value);
    void assignComboBox(QComboBox* comboBox, int index);
    // For a combo whose items carry camera values (combo_value.h): selects the value's item.
    void assignComboValue(QComboBox* comboBox, const QVariant& value);
    void assignDoubleSpinBox(QDoubleSpinBox* spinBox, double value);
    void assignCheckBox(QCheckBox* checkBox, bool checked);
    void assignButton(QAbstractButton* button, bool checked);
    void assignGroupBox(QGroupBox* groupBox, bool checked);
    void assignSlider(QAbstractSlider* slider, int value);
    void assignTimeEdit(QTimeEdit* timeEdit, const QTime& time);

    // Every call adds one more connection: a button added twice restores twice per click.
    void addButton(QAbstractButton* button);

public slots:
    void onButtonClicked(bool checked);
    void onButtonClicked();

private slots:
    void forget(QObject* control);

private:
    struct Assignment {
        QObject* control;
        std::function<void()> restore;
    };
    void assign(QObject* control, std::function<void()> restore);

    std::vector<Assignment> assignments_;  // in the order they were recorded
};
