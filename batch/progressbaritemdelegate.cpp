#include "progressbaritemdelegate.h"

#include <QApplication>
#include <QStyle>
#include <QStyleOptionProgressBar>

namespace {

// "PG:" and at least one more character; the value starts at the fourth character.
constexpr int kMarkerMinLength = 4;
constexpr int kValueStart = 3;
// The bar keeps a small margin inside its cell.
constexpr int kCellMargin = 3;

}  // namespace

std::optional<int> ProgressBarItemDelegate::progressOf(const QString& text) {
    if (text.size() < kMarkerMinLength || text[0] != QLatin1Char('P') ||
        text[1] != QLatin1Char('G'))
        return std::nullopt;
    return text.mid(kValueStart).toInt();
}

void ProgressBarItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
    const std::optional<int> progress = progressOf(index.data(Qt::DisplayRole).toString());
    if (!progress) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionProgressBar bar;
    bar.rect = option.rect.adjusted(kCellMargin, kCellMargin, -kCellMargin, -kCellMargin);
    bar.minimum = 0;
    bar.maximum = 100;
    bar.progress = *progress;
    bar.text = QStringLiteral("%1%").arg(*progress);
    bar.textAlignment = Qt::AlignCenter;
    bar.textVisible = true;
    QApplication::style()->drawControl(QStyle::CE_ProgressBar, &bar, painter);
}
