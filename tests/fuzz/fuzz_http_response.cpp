// An HTTP answer fed to the response parser in the pieces the first byte chooses, with the
// headers looked up the way the command layer does, its Set-Cookie values parsed, and the
// chunked decoder run over the same bytes on its own.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "http/http_chunked.h"
#include "http/http_cookie.h"
#include "http/http_response_parser.h"

namespace {

int discard(const char*, size_t) {
    return 0;
}

void parseResponse(const char* data, size_t size, size_t pieceSize) {
    HttpResponseParser parser;
    parser.setBodySink(discard);
    size_t offset = 0;
    int result = HttpResponseParser::kInHead;
    while (offset < size && result > 0) {
        int length = static_cast<int>(std::min(pieceSize, size - offset));
        const int fed = length;
        result = parser.input(data + offset, &length);
        offset += static_cast<size_t>(fed - length);
        if (length == fed && result > 0) {
            break;  // nothing taken: the parser waits for more than there is
        }
    }
    if (result > 0) {
        parser.finish();
    }
    for (const char* name : {"Content-Type", "Set-Cookie", "WWW-Authenticate", "Connection"}) {
        if (const std::string* value = parser.header(name)) {
            HTTP_COOKIE_Parse(value->c_str(), static_cast<int>(value->size()));
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    const size_t pieceSize = 1 + data[0] % 64;
    const char* text = reinterpret_cast<const char*>(data + 1);
    const size_t length = size - 1;
    parseResponse(text, length, pieceSize);
    parseResponse(text, length, length == 0 ? 1 : length);

    HttpChunkDecoder chunks;
    size_t consumed = 0;
    chunks.input(text, length, &consumed, discard);
    HTTP_COOKIE_Parse(text, static_cast<int>(length));
    return 0;
}
