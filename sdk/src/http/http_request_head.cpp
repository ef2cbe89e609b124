#include "http/http_request_head.h"

#include <strings.h>

#include "http/http_buffer.h"

namespace {

constexpr const char* kMethodNames[] = {"GET", "PUT", "POST"};
constexpr const char* kVersion = "1.1";

// A path travels inside the request line: a blank or control character would end or
// split it.
bool isSafePath(const char* path) {
    if (path == nullptr || path[0] == '\0') {
        return false;
    }
    for (const char* c = path; *c != '\0'; ++c) {
        const unsigned char byte = static_cast<unsigned char>(*c);
        if (byte <= 0x20 || byte == 0x7f) {
            return false;
        }
    }
    return true;
}

bool isSafeName(const char* name) {
    for (const char* c = name; *c != '\0'; ++c) {
        const unsigned char byte = static_cast<unsigned char>(*c);
        if (byte <= 0x20 || byte == 0x7f || byte == ':') {
            return false;
        }
    }
    return true;
}

// A line break inside a value would let it add headers of its own.
bool isSafeValue(const char* value) {
    for (const char* c = value; *c != '\0'; ++c) {
        if (*c == '\r' || *c == '\n') {
            return false;
        }
    }
    return true;
}

bool isNamed(const char* name, const char* wanted) {
    return ::strcasecmp(name, wanted) == 0;
}

void addHeader(std::string* out, const char* name, const std::string& value) {
    out->append(name).append(": ").append(value).append("\r\n");
}

}  // namespace

int HTTP_WriteRequestHead(const HttpRequest& request, const std::string& host, int port,
                          const std::string& cookie, std::string* out) {
    if (request.method < HTTP_METHOD_GET || request.method > HTTP_METHOD_POST ||
        !isSafePath(request.path) || request.headerCount < 0 ||
        (request.headers == nullptr && request.headerCount > 0) || request.bodyLength < 0) {
        return -1;
    }
    const std::string bodyLength = std::to_string(request.bodyLength);
    std::string head;
    head.append(kMethodNames[request.method]).append(" ").append(request.path);
    head.append(" HTTP/").append(kVersion).append("\r\n");
    bool gaveHost = false;
    bool gaveCookie = false;
    bool gaveLength = false;
    for (int i = 0; i < request.headerCount; ++i) {
        const HTTP_HEADER& header = request.headers[i];
        if (header.name == nullptr || header.name[0] == '\0') {
            continue;
        }
        if (header.value == nullptr || !isSafeName(header.name) || !isSafeValue(header.value)) {
            return -1;
        }
        if (isNamed(header.name, "Content-Length")) {
            // A length other than the body's would leave the server reading the wrong bytes.
            if (bodyLength != header.value) {
                return -1;
            }
            gaveLength = true;
        }
        gaveHost = gaveHost || isNamed(header.name, "Host");
        gaveCookie = gaveCookie || isNamed(header.name, "Cookie");
        addHeader(&head, header.name, header.value);
        if (head.size() > HttpBuffer::kLimit) {
            return HTTP_ERROR_TOO_LARGE;
        }
    }
    if (!gaveHost) {
        addHeader(&head, "Host", host + ":" + std::to_string(port));
    }
    if (!gaveCookie && !cookie.empty()) {
        addHeader(&head, "Cookie", cookie);
    }
    if (!gaveLength) {
        addHeader(&head, "Content-Length", bodyLength);
    }
    head.append("\r\n");
    if (head.size() > HttpBuffer::kLimit) {
        return HTTP_ERROR_TOO_LARGE;
    }
    out->swap(head);
    return 0;
}
