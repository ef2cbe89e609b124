#include "http/http_auth.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "base64.h"
#include "http/http_buffer.h"

namespace {

// The encoded credentials may take at most this many characters, counting one line break
// per 57 input bytes as a MIME encoder would place them.
constexpr int kMaxEncodedLength = 255;
constexpr int kBytesPerEncodedLine = 57;
constexpr char kBasicPrefix[] = "Basic ";

}  // namespace

int HTTP_AUTH_Make(int mode, const char* user, const char* password, const char* /*method*/,
                   const char* /*uri*/, const char* /*body*/, int /*bodyLength*/, char* out,
                   int outSize) {
    if (mode != HTTP_AUTH_BASIC || user == nullptr || password == nullptr || out == nullptr ||
        outSize <= 0) {
        return -1;
    }
    const std::string credentials = std::string(user) + ":" + password;
    const int length = static_cast<int>(credentials.size());
    const int encodedLength = 4 * ((length + 2) / 3);
    if (length >= outSize || encodedLength + length / kBytesPerEncodedLine > kMaxEncodedLength) {
        return HTTP_ERROR_TOO_LARGE;
    }
    const int prefixLength = static_cast<int>(sizeof kBasicPrefix) - 1;
    if (prefixLength + encodedLength >= outSize) {
        return HTTP_ERROR_TOO_LARGE;
    }
    std::memcpy(out, kBasicPrefix, static_cast<size_t>(prefixLength));
    const int written = Base64_Encode(out + prefixLength, credentials.data(), length);
    return written < 0 ? -1 : prefixLength + written;
}
