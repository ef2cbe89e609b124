#include "search_message.h"

#include <cstring>

namespace {

// Appends piece when the text (of length *used) stays shorter than capacity with it.
void _appendIfFits(char* buffer, int capacity, int* used, const char* piece) {
    if (piece == nullptr) {
        return;
    }
    const size_t length = std::strlen(piece);
    if (static_cast<size_t>(*used) + length < static_cast<size_t>(capacity)) {
        std::memcpy(buffer + *used, piece, length + 1);
        *used += static_cast<int>(length);
    }
}

// More digits than this could not be a body that fits a datagram anyway, and stay far
// from int overflow.
constexpr size_t kMaxBodySizeDigits = 9;

}  // namespace

int CORE_SEARCH_SetKeyVaule(char* buffer, int capacity, const char* key, const char* value,
                            const char* lineEnd) {
    if (buffer == nullptr || capacity <= 0) {
        return -1;
    }
    int used = static_cast<int>(strnlen(buffer, static_cast<size_t>(capacity - 1)));
    _appendIfFits(buffer, capacity, &used, key);
    _appendIfFits(buffer, capacity, &used, value);
    _appendIfFits(buffer, capacity, &used, lineEnd);
    return 0;
}

int CORE_SEARCH_GetKeyVaule(const char* text, const char* key, const char* lineEnd, char* out,
                            int outSize) {
    if (text == nullptr || key == nullptr || lineEnd == nullptr || out == nullptr || outSize <= 0 ||
        *key == '\0' || *lineEnd == '\0') {
        return -1;
    }
    const char* found = std::strstr(text, key);
    if (found == nullptr) {
        return -1;
    }
    const char* value = found + std::strlen(key);
    const char* end = std::strstr(value, lineEnd);
    if (end == nullptr) {
        return -1;
    }
    size_t length = static_cast<size_t>(end - value);
    if (length > static_cast<size_t>(outSize - 1)) {
        length = static_cast<size_t>(outSize - 1);
    }
    std::memcpy(out, value, length);
    out[length] = '\0';
    return 0;
}

int CORE_SEARCH_GetBoyVaule(const char* text, const char* emptyLine, int bodySize, char* out,
                            int* outSize) {
    if (text == nullptr || emptyLine == nullptr || out == nullptr || outSize == nullptr ||
        bodySize < 0 || bodySize >= *outSize) {
        return -1;
    }
    const char* found = std::strstr(text, emptyLine);
    if (found == nullptr) {
        return -1;
    }
    const char* body = found + std::strlen(emptyLine);
    if (strnlen(body, static_cast<size_t>(bodySize)) < static_cast<size_t>(bodySize)) {
        return -1;
    }
    std::memcpy(out, body, static_cast<size_t>(bodySize));
    out[bodySize] = '\0';
    *outSize = bodySize;
    return 0;
}

int CORE_SEARCH_ParseBodySize(const char* value) {
    if (value == nullptr) {
        return -1;
    }
    const size_t length = std::strlen(value);
    if (length == 0 || length > kMaxBodySizeDigits || std::strspn(value, "0123456789") != length) {
        return -1;
    }
    int size = 0;
    for (size_t i = 0; i < length; ++i) {
        size = size * 10 + (value[i] - '0');
    }
    return size;
}
