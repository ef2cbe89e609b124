#include "http/http_buffer.h"

#include <algorithm>
#include <new>

namespace {

// Small stores grow in small steps, large ones in large steps, so a big body costs few
// reallocations and a small head little memory.
constexpr size_t kSmallStore = 16385;
constexpr size_t kSmallStep = 8192;
constexpr size_t kMediumStore = 4 * 1024 * 1024;
constexpr size_t kMediumStep = 2 * 1024 * 1024;
constexpr size_t kLargeStep = 0x3200000;

}  // namespace

size_t HttpBuffer::grownCapacity(size_t needed) const {
    const size_t capacity = bytes_.capacity();
    const size_t step = capacity < kSmallStore     ? kSmallStep
                        : capacity <= kMediumStore ? kMediumStep
                                                   : kLargeStep;
    return std::min(capacity + std::max(step, needed), kLimit);
}

int HttpBuffer::append(const char* data, size_t length) {
    if (length > kLimit || bytes_.size() > kLimit - length) {
        return HTTP_ERROR_TOO_LARGE;
    }
    if (length == 0) {
        return 0;
    }
    try {
        if (bytes_.capacity() - bytes_.size() < length) {
            bytes_.reserve(grownCapacity(length));
        }
        bytes_.insert(bytes_.end(), data, data + length);
    } catch (const std::bad_alloc&) {
        return HTTP_ERROR_NO_MEMORY;
    }
    return 0;
}
