// The SDK's one diagnostic channel: failure lines on standard output.
//
// A failure line is "[function]-line: " + reason + "\r\n". The whole line is formatted
// first and written with a single call under a lock, so lines from several threads
// never interleave.
#pragma once

#include <cstdarg>

namespace netsdk {

// Formats the reason with printf rules and writes one whole failure line.
void logFailure(const char* function, int line, const char* reasonFormat, ...)
    __attribute__((format(printf, 3, 4)));

// Writes a fixed text as it stands, without the "[function]-line: " frame.
void logPlain(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace netsdk

// A required pointer, handle or sub-object is missing (also used for other refusals).
#define SDK_LOG_NULL() \
    ::netsdk::logFailure(__func__, __LINE__, "[%s] The pointer is null!", __func__)

// A called function failed; value is its result (-1 prints as 0xffffffff).
#define SDK_LOG_RESULT(value)                                                            \
    ::netsdk::logFailure(__func__, __LINE__, "[%s] Return value is not success, %#x!", \
                         __func__, static_cast<unsigned>(value))

// A plain reason text.
#define SDK_LOG_TEXT(text) ::netsdk::logFailure(__func__, __LINE__, "%s", text)
