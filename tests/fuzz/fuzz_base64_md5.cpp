// Base64 text as the search answers and the HTTP layer decode it, encoded again, and the
// MD5 digest of the bytes fed in the pieces the first byte chooses.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "base64.h"
#include "http/md5.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* text = reinterpret_cast<const char*>(data);
    const int length = static_cast<int>(size);
    std::vector<char> decoded(3 * ((size + 3) / 4) + 1);
    const int bytes = Base64_Decode(decoded.data(), text, length);
    if (bytes > static_cast<int>(decoded.size())) {
        std::abort();
    }
    if (bytes >= 0) {
        std::vector<char> encoded(4 * ((static_cast<size_t>(bytes) + 2) / 3) + 1);
        if (Base64_Encode(encoded.data(), decoded.data(), bytes) >=
            static_cast<int>(encoded.size())) {
            std::abort();
        }
    }

    Md5 pieces;
    const size_t pieceSize = size == 0 ? 1 : 1 + data[0] % 97;
    for (size_t offset = 0; offset < size; offset += pieceSize) {
        pieces.update(data + offset, std::min(pieceSize, size - offset));
    }
    if (pieces.finish() != Md5::of(data, size)) {
        std::abort();
    }
    Md5::hex(Md5::of(data, size), size > 0 && (data[0] & 1) != 0);
    return 0;
}
