// The growing byte store behind the HTTP parser's head text and the client's body store.
// Every piece is checked against the store's limit before anything is allocated or copied,
// so a length taken from the wire can never make it overrun or balloon.
#pragma once

#include <cstddef>
#include <vector>

// Results shared by the HTTP parser, the body store and the client.
enum HttpError {
    HTTP_ERROR_MALFORMED = -1,  // a status line, header line or chunk size that does not parse
    HTTP_ERROR_TOO_LARGE = -7,  // more than the store may hold
    HTTP_ERROR_NO_MEMORY = -12,
};

class HttpBuffer {
public:
    // Neither one piece nor the whole store may pass 64 MiB.
    static constexpr size_t kLimit = 0x4000000;

    // Appends length bytes; 0, HTTP_ERROR_TOO_LARGE or HTTP_ERROR_NO_MEMORY. On failure the
    // store is as it was.
    int append(const char* data, size_t length);

    const char* data() const { return bytes_.data(); }
    size_t size() const { return bytes_.size(); }

    // Empties the store and keeps its memory for the next message.
    void clear() { bytes_.clear(); }
    // Empties the store and gives its memory back.
    void release() { std::vector<char>().swap(bytes_); }

private:
    // The capacity to grow to so that needed more bytes fit.
    size_t grownCapacity(size_t needed) const;

    std::vector<char> bytes_;
};
