// Parser of a Set-Cookie value: "name=value; Path=/; Domain=...; Expires=...; HttpOnly".
#pragma once

#include <memory>
#include <string>

struct HTTP_COOKIE {
    std::string name;
    std::string value;
    std::string path;
    std::string domain;
    std::string expires;
    bool httpOnly = false;
    bool secure = false;
};

// Parses length bytes of a Set-Cookie value. Returns the cookie, or null when no piece
// holds a name=value pair.
std::unique_ptr<HTTP_COOKIE> HTTP_COOKIE_Parse(const char* text, int length);
