#include "http/http_cookie.h"

#include <strings.h>

namespace {

std::string trimmed(const std::string& piece) {
    const size_t first = piece.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return std::string();
    }
    return piece.substr(first, piece.find_last_not_of(" \t") - first + 1);
}

// Files one piece after the name=value pair into the cookie's attributes.
void applyAttribute(HTTP_COOKIE& cookie, const std::string& piece) {
    const size_t equals = piece.find('=');
    if (equals == std::string::npos) {
        cookie.httpOnly = cookie.httpOnly || ::strcasecmp(piece.c_str(), "HttpOnly") == 0;
        cookie.secure = cookie.secure || ::strcasecmp(piece.c_str(), "Secure") == 0;
        return;
    }
    const std::string name = piece.substr(0, equals);
    const std::string value = piece.substr(equals + 1);
    if (::strcasecmp(name.c_str(), "path") == 0) {
        cookie.path = value;
    } else if (::strcasecmp(name.c_str(), "domain") == 0) {
        cookie.domain = value;
    } else if (::strcasecmp(name.c_str(), "expires") == 0) {
        cookie.expires = value;
    }
}

}  // namespace

std::unique_ptr<HTTP_COOKIE> HTTP_COOKIE_Parse(const char* text, int length) {
    if (text == nullptr || length <= 0) {
        return nullptr;
    }
    const std::string whole(text, static_cast<size_t>(length));
    std::unique_ptr<HTTP_COOKIE> cookie;
    size_t start = 0;
    // Each round takes one ";"-separated piece.
    while (start <= whole.size()) {
        size_t end = whole.find(';', start);
        if (end == std::string::npos) {
            end = whole.size();
        }
        const std::string piece = trimmed(whole.substr(start, end - start));
        const size_t equals = piece.find('=');
        if (!cookie && equals != std::string::npos) {
            cookie = std::make_unique<HTTP_COOKIE>();
            cookie->name = piece.substr(0, equals);
            cookie->value = piece.substr(equals + 1);
        } else if (cookie) {
            applyAttribute(*cookie, piece);
        }
        start = end + 1;
    }
    return cookie;
}
