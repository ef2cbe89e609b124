// Writer of an HTTP/1.1 request head: the request line, the caller's headers in order, then
// Host, Cookie and Content-Length unless the caller gave them.
#pragma once

#include <string>

// One request header; a header with an empty (or null) name is skipped.
struct HTTP_HEADER {
    const char* name;
    const char* value;
};

enum HttpMethod { HTTP_METHOD_GET = 0, HTTP_METHOD_PUT = 1, HTTP_METHOD_POST = 2 };

struct HttpRequest {
    int method;        // an HttpMethod
    const char* path;  // with any query
    const HTTP_HEADER* headers;
    int headerCount;
    const char* body;
    int bodyLength;
};

// Writes the head of request to host:port into *out. cookie is the stored name=value
// text, or empty. Returns 0, -1 when the request cannot be written safely (unknown method;
// a path or header that would break the head's lines; a Content-Length header that
// disagrees with the body), or HTTP_ERROR_TOO_LARGE.
int HTTP_WriteRequestHead(const HttpRequest& request, const std::string& host, int port,
                          const std::string& cookie, std::string* out);
