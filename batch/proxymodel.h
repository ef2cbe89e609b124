// ProxyModel: sorts the device table's address column by the IPv4 number, the other
// columns as text.
#pragma once

#include <QSortFilterProxyModel>

class ProxyModel : public QSortFilterProxyModel {
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
};
