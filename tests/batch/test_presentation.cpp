// How the device table looks: the address column sorts by number, progress markers are
// drawn as bars.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QStandardItemModel>
#include <QStyleOptionViewItem>

#include "progressbaritemdelegate.h"
#include "proxymodel.h"

namespace {

QStringList sortedColumn(const QStringList& texts, int column, Qt::SortOrder order) {
    QStandardItemModel source(0, 2);
    for (const QString& text : texts)
        source.appendRow({new QStandardItem(text), new QStandardItem(text)});
    ProxyModel proxy;
    proxy.setSourceModel(&source);
    proxy.sort(column, order);
    QStringList result;
    for (int row = 0; row < proxy.rowCount(); ++row)
        result << proxy.index(row, column).data().toString();
    return result;
}

QImage paintCell(const QString& text) {
    QStandardItemModel model(1, 1);
    model.setItem(0, 0, new QStandardItem(text));
    QImage image(120, 24, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QStyleOptionViewItem option;
    option.rect = image.rect();
    ProgressBarItemDelegate().paint(&painter, option, model.index(0, 0));
    return image;
}

}  // namespace

TEST(ProxyModel, AddressColumnSortsByNumber) {
    const QStringList texts{"192.168.1.10", "10.0.0.2", "not an address", "192.168.1.9"};
    EXPECT_EQ(sortedColumn(texts, 0, Qt::AscendingOrder),
              (QStringList{"not an address", "10.0.0.2", "192.168.1.9", "192.168.1.10"}));
    EXPECT_EQ(sortedColumn(texts, 0, Qt::DescendingOrder),
              (QStringList{"192.168.1.10", "192.168.1.9", "10.0.0.2", "not an address"}));
}

TEST(ProxyModel, OtherColumnsSortAsText) {
    EXPECT_EQ(sortedColumn({"192.168.1.9", "192.168.1.10"}, 1, Qt::AscendingOrder),
              (QStringList{"192.168.1.10", "192.168.1.9"}));
}

TEST(ProgressBarItemDelegate, MarkerValues) {
    const struct {
        const char* text;
        std::optional<int> progress;
    } cases[] = {
        {"PG:0", 0}, {"PG:42", 42}, {"PG:100", 100},   {"PGxy", 0},   {"PG:-5", -5},
        {"PG", {}},  {"PG:", {}},   {"1.2.3_abc", {}}, {"pg:50", {}}, {"", {}},
    };
    for (const auto& row : cases)
        EXPECT_EQ(ProgressBarItemDelegate::progressOf(row.text), row.progress) << row.text;
}

TEST(ProgressBarItemDelegate, MarkersDrawBarsOtherTextsDrawAsUsual) {
    const QImage empty = paintCell("PG:0");
    const QImage full = paintCell("PG:100");
    EXPECT_NE(empty, full);
    EXPECT_NE(empty, paintCell(""));

    QStandardItemModel model(1, 1);
    model.setItem(0, 0, new QStandardItem("PG:"));
    QImage usual(120, 24, QImage::Format_ARGB32);
    usual.fill(Qt::white);
    {
        QPainter painter(&usual);
        QStyleOptionViewItem option;
        option.rect = usual.rect();
        QStyledItemDelegate().paint(&painter, option, model.index(0, 0));
    }
    EXPECT_EQ(paintCell("PG:"), usual);
}
