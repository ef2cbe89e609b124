// The Authorization header's value.
#pragma once

enum HttpAuthMode { HTTP_AUTH_BASIC = 1 };

// Writes the Authorization value for user and password into out (outSize bytes, with its
// NUL). Only the Basic mode exists; method, uri and body are there for modes that sign the
// request and are not read by it. Returns the characters written, -1 for a missing
// argument or an unknown mode, or HTTP_ERROR_TOO_LARGE when the value does not fit.
int HTTP_AUTH_Make(int mode, const char* user, const char* password, const char* method,
                   const char* uri, const char* body, int bodyLength, char* out, int outSize);
