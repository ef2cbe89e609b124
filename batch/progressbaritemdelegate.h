// ProgressBarItemDelegate: draws a cell whose text is a progress marker "PG:<percent>" as a
// progress bar; any other text as usual.
#pragma once

#include <QStyledItemDelegate>
#include <optional>

class ProgressBarItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The percentage of a marker text, or nothing when the text is no marker. A marker's
    // value that is not a number reads as 0.
    static std::optional<int> progressOf(const QString& text);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};
