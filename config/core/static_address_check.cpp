#include "static_address_check.h"

#include <QStringList>
#include <optional>

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

bool isContiguousMask(quint32 mask) {
    const quint32 hostBits = ~mask;
    return mask != 0 && (hostBits & (hostBits + 1)) == 0;
}

// Not "this network" (0/8), multicast (224/4) or reserved (240/4, the broadcast address
// among them).
bool isUnicast(quint32 address) {
    const quint32 firstOctet = address >> 24;
    return firstOctet != 0 && firstOctet < 224;
}

// Neither the subnet's own address nor its broadcast address, when the subnet has room for
// hosts besides them.
bool isHostOfSubnet(quint32 address, quint32 mask) {
    const quint32 hostBits = ~mask;
    const quint32 hostPart = address & hostBits;
    return hostBits <= 1 || (hostPart != 0 && hostPart != hostBits);
}

bool isEmptyGateway(const QString& text) {
    return QString(text).remove('.').isEmpty() || text == QLatin1String("0.0.0.0");
}

}  // namespace

StaticAddressField invalidStaticAddressField(const QString& address, const QString& mask,
                                             const QString& gateway) {
    const std::optional<quint32> host = parseDottedQuad(address);
    if (!host || !isUnicast(*host)) {
        return StaticAddressField::Address;
    }
    const std::optional<quint32> ones = parseDottedQuad(mask);
    if (!ones || !isContiguousMask(*ones)) {
        return StaticAddressField::Mask;
    }
    if (!isHostOfSubnet(*host, *ones)) {
        return StaticAddressField::Address;
    }
    if (isEmptyGateway(gateway)) {
        return StaticAddressField::None;
    }
    const std::optional<quint32> router = parseDottedQuad(gateway);
    const bool routerUsable = router && isUnicast(*router) && isHostOfSubnet(*router, *ones) &&
                              (*router & *ones) == (*host & *ones) && *router != *host;
    return routerUsable ? StaticAddressField::None : StaticAddressField::Gateway;
}
