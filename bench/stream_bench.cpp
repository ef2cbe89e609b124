// Stream throughput: how fast the SDK's stream client hands frames to its data callback,
// beside a plain socket reader that only counts the same bytes (the machine's limit).
//
//   stream_bench sdk|plain SECONDS ADDRESS...
//
// Prints one line: mode, streams, frames/s, MB/s, CPU microseconds per frame (sdk) or per
// MB (plain).
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "login_info.h"
#include "netsdk.h"

namespace {

constexpr int kStreamPort = 1680;

// What one stream (or reader) counted; written by its own thread only, read after it ended.
// Apart on their own cache lines, so the counting threads do not slow each other down.
struct alignas(64) Counts {
    uint64_t frames = 0;
    uint64_t bytes = 0;
};

uint64_t frames = 0;
uint64_t bytes = 0;
std::atomic<bool> running{true};

void addUp(const std::vector<Counts>& counts) {
    for (const Counts& one : counts) {
        frames += one.frames;
        bytes += one.bytes;
    }
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The bytes a live frame took on the wire besides its payload: head and media header. The
// plain reader counts them too.
constexpr uint64_t kFrameHeadsOnTheWire = 40;

int onFrame(NETSDK_STREAM*, int, int, int, const void*, int length, void* user) {
    Counts& counts = *static_cast<Counts*>(user);
    ++counts.frames;
    counts.bytes +=
        static_cast<uint64_t>(length) - sizeof(NETSDK_FRAME_INFO) + kFrameHeadsOnTheWire;
    return 0;
}

void runSdk(const std::vector<std::string>& addresses, int seconds) {
    std::vector<NETSDK_LOGIN_INFO> logins(addresses.size());
    std::vector<NETSDK_STREAM*> streams;
    std::vector<Counts> counts(addresses.size());
    const NETSDK_CHANNEL channel{0, 0};
    for (size_t i = 0; i < addresses.size(); ++i) {
        std::snprintf(logins[i].ip, sizeof logins[i].ip, "%s", addresses[i].c_str());
        logins[i].streamPort = kStreamPort;
        streams.push_back(NETSDK_CreateRealPlay(&logins[i], &channel));
        NETSDK_StartRealPlay(streams.back(), onFrame, &counts[i], 0);
    }
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    for (NETSDK_STREAM* stream : streams) {
        NETSDK_StopRealPlay(stream);
        NETSDK_DestoryRealPlay(stream);
    }
    addUp(counts);
}

// Connects, asks for the live stream and counts every byte that follows.
void plainReader(const std::string& address, Counts& counts) {
    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in peer{};
    peer.sin_family = AF_INET;
    peer.sin_port = htons(kStreamPort);
    inet_pton(AF_INET, address.c_str(), &peer.sin_addr);
    if (::connect(socket, reinterpret_cast<sockaddr*>(&peer), sizeof peer) != 0) {
        ::close(socket);
        return;
    }
    unsigned char request[120] = {'K', 'T', 'V', 'Q', 0, 0, 0, 120, 1, 0};
    ::send(socket, request, sizeof request, MSG_NOSIGNAL);
    timeval wait{0, 200000};
    setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
    std::vector<char> buffer(1 << 20);
    while (running) {
        const ssize_t got = ::recv(socket, buffer.data(), buffer.size(), 0);
        if (got == 0) {
            break;
        }
        if (got > 0) {
            counts.bytes += static_cast<uint64_t>(got);
        }
    }
    ::close(socket);
}

void runPlain(const std::vector<std::string>& addresses, int seconds) {
    std::vector<std::thread> readers;
    std::vector<Counts> counts(addresses.size());
    for (size_t i = 0; i < addresses.size(); ++i) {
        readers.emplace_back(plainReader, std::cref(addresses[i]), std::ref(counts[i]));
    }
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    running = false;
    for (std::thread& reader : readers) {
        reader.join();
    }
    addUp(counts);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s sdk|plain SECONDS ADDRESS...\n", argv[0]);
        return 2;
    }
    const std::string mode = argv[1];
    const int seconds = std::atoi(argv[2]);
    const std::vector<std::string> addresses(argv + 3, argv + argc);
    const double cpuBefore = cpuSeconds();
    const auto before = std::chrono::steady_clock::now();
    if (mode == "sdk") {
        runSdk(addresses, seconds);
    } else {
        runPlain(addresses, seconds);
    }
    const double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - before).count();
    const double cpu = cpuSeconds() - cpuBefore;
    const double megabytes = bytes / 1e6;
    if (mode == "sdk") {
        std::printf("%s streams=%zu frames/s=%.0f MB/s=%.1f cpu_us/frame=%.1f\n", mode.c_str(),
                    addresses.size(), frames / elapsed, megabytes / elapsed,
                    frames ? cpu * 1e6 / frames : 0.0);
    } else {
        std::printf("%s streams=%zu MB/s=%.1f cpu_us/MB=%.1f\n", mode.c_str(), addresses.size(),
                    megabytes / elapsed, megabytes > 0 ? cpu * 1e6 / megabytes : 0.0);
    }
    return 0;
}
