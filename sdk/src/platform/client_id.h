// Identities with which a search client marks its requests, so that it can tell the
// answers meant for it from those of other clients on the same network.
#pragma once

#include <cstdint>
#include <string>

namespace netsdk::platform {

// "ZR" followed by 30 random ASCII letters of either case, drawn from a generator seeded
// with seed.
std::string makeClientId(uint32_t seed);

}  // namespace netsdk::platform
