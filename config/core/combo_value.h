#pragma once

#include <QString>
#include <QVariant>

class QComboBox;

// Combos whose items stand for camera values (the item data). A value the camera sends
// that the combo does not list gets an item of its own, showing the value as it came, so a
// save of unrelated fields sends it back unchanged instead of -1 or 0.

// Gives each item without a value the value first + its position.
void numberComboItems(QComboBox* combo, int first);
// Gives each item without a value the number its text reads as (a list of sample rates).
void valueComboItemsByText(QComboBox* combo);
// Selects the item of value; an unlisted value gets an item showing text, or the value
// itself when text is empty. An item added for an earlier unlisted value goes again.
void showComboValue(QComboBox* combo, const QVariant& value, const QString& text = QString());
