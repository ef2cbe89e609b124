#include "log.h"

#include <unistd.h>

#include <cstdio>
#include <mutex>
#include <string>

namespace netsdk {
namespace {

// Guards standard output so that each line leaves in one piece; taken by any thread
// that logs.
std::mutex outputLock;

std::string formatV(const char* format, va_list args) {
    va_list sizing;
    va_copy(sizing, args);
    const int length = std::vsnprintf(nullptr, 0, format, sizing);
    va_end(sizing);
    if (length <= 0) {
        return {};
    }
    std::string text(static_cast<size_t>(length) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, args);
    text.resize(static_cast<size_t>(length));
    return text;
}

void writeWhole(const std::string& line) {
    std::lock_guard<std::mutex> guard(outputLock);
    std::fflush(stdout);
    size_t written = 0;
    while (written < line.size()) {
        const ssize_t n = ::write(STDOUT_FILENO, line.data() + written, line.size() - written);
        if (n <= 0) {
            return;  // Nowhere to log to; failures are never fatal.
        }
        written += static_cast<size_t>(n);
    }
}

}  // namespace

void logFailure(const char* function, int line, const char* reasonFormat, ...) {
    va_list args;
    va_start(args, reasonFormat);
    const std::string reason = formatV(reasonFormat, args);
    va_end(args);
    writeWhole("[" + std::string(function) + "]-" + std::to_string(line) + ": " + reason + "\r\n");
}

void logPlain(const char* format, ...) {
    va_list args;
    va_start(args, format);
    const std::string text = formatV(format, args);
    va_end(args);
    writeWhole(text);
}

}  // namespace netsdk
