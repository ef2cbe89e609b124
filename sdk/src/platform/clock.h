// The SDK's one clock for time-outs: milliseconds that never jump with the wall clock.
#pragma once

#include <cstdint>

namespace netsdk::platform {

// Milliseconds since an arbitrary fixed point (the boot); only differences mean anything.
uint64_t monotonicMilliseconds();

}  // namespace netsdk::platform
