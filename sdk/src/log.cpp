#include "log.h"

#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <climits>
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

// How long one line may wait for a reader that does not take it; after that the rest of the
// line is lost rather than holding every thread that logs.
constexpr std::chrono::milliseconds kLineWriteBudget{100};

// A reader that has gone must not end the process: SIGPIPE is held back on this thread while
// the line is written, and one that the write raised is taken off again.
class SigpipeHeldBack {
public:
    SigpipeHeldBack() {
        sigemptyset(&pipeSignal_);
        sigaddset(&pipeSignal_, SIGPIPE);
        sigset_t pending;
        sigpending(&pending);
        wasPending_ = sigismember(&pending, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &pipeSignal_, &previousMask_);
    }
    ~SigpipeHeldBack() {
        sigset_t pending;
        sigpending(&pending);
        if (!wasPending_ && sigismember(&pending, SIGPIPE) == 1) {
            const timespec now{0, 0};
            sigtimedwait(&pipeSignal_, nullptr, &now);
        }
        pthread_sigmask(SIG_SETMASK, &previousMask_, nullptr);
    }
    SigpipeHeldBack(const SigpipeHeldBack&) = delete;
    SigpipeHeldBack& operator=(const SigpipeHeldBack&) = delete;

private:
    sigset_t pipeSignal_;
    sigset_t previousMask_;
    bool wasPending_ = false;
};

// True when standard output takes data without blocking before the deadline. A pipe that
// reports room takes PIPE_BUF bytes in one write without waiting.
bool waitWritable(std::chrono::steady_clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    pollfd entry{STDOUT_FILENO, POLLOUT, 0};
    return ::poll(&entry, 1, static_cast<int>(std::max<long long>(left.count(), 0))) > 0 &&
           (entry.revents & POLLOUT) != 0;
}

// Standard output's stdio buffer is not flushed here: a full pipe would block that flush
// without bound.
void writeWhole(const std::string& line) {
    std::lock_guard<std::mutex> guard(outputLock);
    const SigpipeHeldBack heldBack;
    const auto deadline = std::chrono::steady_clock::now() + kLineWriteBudget;
    size_t written = 0;
    while (written < line.size() && waitWritable(deadline)) {
        const size_t piece = std::min<size_t>(line.size() - written, PIPE_BUF);
        const ssize_t n = ::write(STDOUT_FILENO, line.data() + written, piece);
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
