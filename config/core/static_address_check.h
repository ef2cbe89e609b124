#pragma once

#include <QString>

// The fields of a static IPv4 setting that a save checks before anything reaches the camera:
// a wrong one can cut the camera off its network.
enum class StaticAddressField { None, Address, Mask, Gateway };

// The first wrong field, in the order the form shows them: the address must be a usable
// host address of its subnet (Ipv4Subnet), the mask contiguous ones, and the gateway another
// usable host of the subnet or empty (nothing typed, or 0.0.0.0). Texts are dotted quads as
// the address editors spell them.
StaticAddressField invalidStaticAddressField(const QString& address, const QString& mask,
                                             const QString& gateway);
