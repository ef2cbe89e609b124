// A socket whose mode cannot be switched to non-blocking is never handed out as connected.
// This program replaces the C library's fcntl so that switching the mode can be made to
// fail; every other use goes to the kernel unchanged.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdarg>

#include "loopback_listener.h"
#include "transport/socket_transport.h"

namespace {

std::atomic<bool> failSetMode{false};

}  // namespace

extern "C" int fcntl(int descriptor, int command, ...) {
    va_list arguments;
    va_start(arguments, command);
    const long argument = va_arg(arguments, long);
    va_end(arguments);
    if (command == F_SETFL && failSetMode.load()) {
        errno = EBADF;
        return -1;
    }
    return static_cast<int>(::syscall(SYS_fcntl, descriptor, command, argument));
}

namespace {

TEST(SocketConnect, FailsWhenTheSocketCannotBeMadeNonBlocking) {
    LoopbackListener listener;
    failSetMode = true;
    const int socket = SOCKET_ConnectTimeout("127.0.0.1", listener.port(), 1000);
    failSetMode = false;
    EXPECT_EQ(socket, -1);
    if (socket >= 0) {
        ::close(socket);
    }
}

}  // namespace
