// MD5 message digest (RFC 1321), used for the upload checksums.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

class Md5 {
public:
    using Digest = std::array<uint8_t, 16>;

    Md5();

    // Adds length bytes to the message.
    void update(const void* data, size_t length);

    // Ends the message and returns its digest; the object must not be updated again.
    Digest finish();

    // The digest of one whole message.
    static Digest of(const void* data, size_t length);

    // Two hexadecimal digits per byte, upper or lower case.
    static std::string hex(const Digest& digest, bool upperCase);

private:
    void transform(const uint8_t block[64]);

    uint32_t state_[4];
    uint64_t bitCount_ = 0;
    uint8_t pending_[64] = {};
    size_t pendingLength_ = 0;
};
