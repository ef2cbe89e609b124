#include "proxymodel.h"

#include <QHostAddress>

namespace {

// Texts that are not IPv4 addresses count as 0, so they sort first.
quint32 ipv4Number(const QModelIndex& index) {
    bool isIPv4 = false;
    const quint32 number =
        QHostAddress(index.data(Qt::DisplayRole).toString()).toIPv4Address(&isIPv4);
    return isIPv4 ? number : 0;
}

}  // namespace

bool ProxyModel::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    if (sortColumn() != 0)
        return QSortFilterProxyModel::lessThan(left, right);
    return ipv4Number(left) < ipv4Number(right);
}
