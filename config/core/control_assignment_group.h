#pragma once

#include <QHash>
#include <QObject>
#include <QTime>

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
// A control that is destroyed drops out of the group, so a later restore never touches it.
class ControlAssignmentGroup : public QObject {
    Q_OBJECT
public:
    explicit ControlAssignmentGroup(QObject* parent);

    // Each records the control's value, replacing the one recorded before.
    void assignLineEdit(QLineEdit* edit, const QString& text);
    void assignSpinBox(QSpinBox* spinBox, int value);
    void assignComboBox(QComboBox* comboBox, int index);
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
    void track(QObject* control);

    // Keyed by the control as a QObject, so that a control being destroyed can still be
    // looked up; the kind of each map says what it really is.
    QHash<QObject*, QString> lineEdits_;
    QHash<QObject*, int> spinBoxes_;
    QHash<QObject*, int> comboBoxes_;
    QHash<QObject*, double> doubleSpinBoxes_;
    QHash<QObject*, bool> checkBoxes_;
    QHash<QObject*, bool> buttons_;
    QHash<QObject*, bool> groupBoxes_;
    QHash<QObject*, int> sliders_;
    QHash<QObject*, QTime> timeEdits_;
};
