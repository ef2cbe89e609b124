// The log line when standard output is a pipe whose reader has gone or stopped reading.
#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <vector>

#include "log.h"

namespace {

// A pipe put in place of standard output for the life of the object.
class StdoutPipe {
public:
    StdoutPipe() {
        EXPECT_EQ(::pipe(ends_.data()), 0);
        saved_ = ::dup(STDOUT_FILENO);
        ::dup2(ends_[1], STDOUT_FILENO);
    }
    ~StdoutPipe() {
        ::dup2(saved_, STDOUT_FILENO);
        ::close(saved_);
        closeReader();
        ::close(ends_[1]);
    }
    StdoutPipe(const StdoutPipe&) = delete;
    StdoutPipe& operator=(const StdoutPipe&) = delete;

    void closeReader() {
        if (ends_[0] != -1) {
            ::close(ends_[0]);
            ends_[0] = -1;
        }
    }

    // Writes until the pipe takes no more; the writing end stays blocking afterwards.
    void fill() {
        const int flags = ::fcntl(ends_[1], F_GETFL);
        ::fcntl(ends_[1], F_SETFL, flags | O_NONBLOCK);
        const std::vector<char> block(4096, 'x');
        while (::write(ends_[1], block.data(), block.size()) > 0) {
        }
        ::fcntl(ends_[1], F_SETFL, flags);
    }

    void drain() {
        ::fcntl(ends_[0], F_SETFL, ::fcntl(ends_[0], F_GETFL) | O_NONBLOCK);
        std::array<char, 4096> block;
        while (::read(ends_[0], block.data(), block.size()) > 0) {
        }
    }

private:
    std::array<int, 2> ends_{-1, -1};
    int saved_ = -1;
};

void logSomeLines() {
    for (int i = 0; i < 10; ++i) {
        netsdk::logFailure("logSomeLines", i, "%s", "a reason worth a line");
    }
}

// A process whose standard output reader has gone keeps running after it logged.
TEST(LogDeathTest, AClosedStdoutPipeDoesNotEndTheProcess) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            StdoutPipe pipe;
            pipe.closeReader();
            logSomeLines();
            std::_Exit(0);
        },
        testing::ExitedWithCode(0), "");
}

// Threads that log to a pipe nobody reads come back; the lines they could not write are lost.
TEST(Log, AFullStdoutPipeDoesNotStallTheThreadsThatLog) {
    constexpr int kThreads = 4;
    std::mutex lock;
    std::condition_variable allDone;
    int done = 0;
    const auto allReturned = [&] { return done == kThreads; };
    bool returnedWhileFull = false;
    {
        StdoutPipe pipe;
        pipe.fill();
        std::vector<std::thread> loggers;
        for (int i = 0; i < kThreads; ++i) {
            loggers.emplace_back([&] {
                logSomeLines();
                std::lock_guard<std::mutex> guard(lock);
                ++done;
                allDone.notify_all();
            });
        }
        std::unique_lock<std::mutex> guard(lock);
        returnedWhileFull = allDone.wait_for(guard, std::chrono::seconds(10), allReturned);
        // A blocked writer goes on once there is room again, so the threads can be joined.
        while (!allReturned()) {
            guard.unlock();
            pipe.drain();
            guard.lock();
            allDone.wait_for(guard, std::chrono::milliseconds(50), allReturned);
        }
        guard.unlock();
        for (std::thread& logger : loggers) {
            logger.join();
        }
    }
    // Reported once standard output is back: the report would not get through the full pipe.
    EXPECT_TRUE(returnedWhileFull) << "logging blocked on the full pipe";
}

}  // namespace
