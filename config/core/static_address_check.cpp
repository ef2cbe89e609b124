#include "static_address_check.h"

#include <QStringList>
#include <optional>

#include "ipv4_subnet.h"

namespace {

// A dotted quad of four decimal parts of one to three digits, each at most 255.
std::optional<quint32> parseDottedQuad(const QString& text) {
    const QStringList parts = text.split('.');
    if (parts.size() != 4) {
        return std::nullopt;
    }
    quint32 value = 0;
    for (const QString& part : parts) {
        bool isNumber = false;
        const uint octet = part.toUInt(&isNumber);
        if (!isNumber || part.size() > 3 || octet > 255) {
            return std::nullopt;
        }
        value = value << 8 | octet;
    }
    return value;
}

bool isEmptyGateway(const QString& text) {
    return QString(text).remove('.').isEmpty() || text == QLatin1String("0.0.0.0");
}

}  // namespace

StaticAddressField invalidStaticAddressField(const QString& address, const QString& mask,
                                             const QString& gateway) {
    const std::optional<quint32> host = parseDottedQuad(address);
    if (!host || !Ipv4Subnet::isAssignable(*host)) {
        return StaticAddressField::Address;
    }
    const std::optional<quint32> ones = parseDottedQuad(mask);
    if (!ones || !Ipv4Subnet::isContiguousMask(*ones)) {
        return StaticAddressField::Mask;
    }
    const Ipv4Subnet subnet(*host, *ones);
    if (!subnet.isUsableHost(*host)) {
        return StaticAddressField::Address;
    }
    if (isEmptyGateway(gateway)) {
        return StaticAddressField::None;
    }
    const std::optional<quint32> router = parseDottedQuad(gateway);
    const bool routerUsable = router && subnet.isUsableHost(*router) && *router != *host;
    return routerUsable ? StaticAddressField::None : StaticAddressField::Gateway;
}
