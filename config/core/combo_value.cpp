#include "combo_value.h"

#include <QComboBox>

namespace {

// Marks the items added for values the combo does not list.
constexpr int kUnlistedRole = Qt::UserRole + 1;

void removeUnlistedItems(QComboBox* combo, const QVariant& keep) {
    for (int index = combo->count() - 1; index >= 0; --index) {
        if (combo->itemData(index, kUnlistedRole).toBool() && combo->itemData(index) != keep) {
            combo->removeItem(index);
        }
    }
}

}  // namespace

void numberComboItems(QComboBox* combo, int first) {
    for (int index = 0; index < combo->count(); ++index) {
        if (!combo->itemData(index).isValid()) {
            combo->setItemData(index, first + index);
        }
    }
}

void valueComboItemsByText(QComboBox* combo) {
    for (int index = 0; index < combo->count(); ++index) {
        if (!combo->itemData(index).isValid()) {
            combo->setItemData(index, combo->itemText(index).toInt());
        }
    }
}

void showComboValue(QComboBox* combo, const QVariant& value, const QString& text) {
    removeUnlistedItems(combo, value);
    int index = combo->findData(value);
    if (index < 0) {
        combo->addItem(text.isEmpty() ? value.toString() : text, value);
        index = combo->count() - 1;
        combo->setItemData(index, true, kUnlistedRole);
    }
    combo->setCurrentIndex(index);
}
