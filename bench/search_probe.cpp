// Runs one NETSDK_SearchDevice call and prints what bench/search measures:
//   found=<cameras> elapsed_ms=<wall time> cpu_ms=<user + system time of this process>
// Usage: bench_search_probe <local IPv4 address> <time-out in seconds>
#include <arpa/inet.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "netsdk.h"

namespace {

int countDevice(int, NETSDK_SEARCH_DEVICE_INFO*, void* user) {
    ++*static_cast<int*>(user);
    return 0;
}

double cpuMilliseconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

}  // namespace

int main(int argc, char** argv) {
    in_addr local{};
    if (argc != 3 || inet_pton(AF_INET, argv[1], &local) != 1) {
        std::fprintf(stderr, "usage: %s <local IPv4 address> <time-out in seconds>\n", argv[0]);
        return 2;
    }
    const int timeoutSeconds = std::atoi(argv[2]);
    int found = 0;
    NETSDK_Init();
    const double cpuBefore = cpuMilliseconds();
    const auto start = std::chrono::steady_clock::now();
    const int result =
        NETSDK_SearchDevice(countDevice, &found, timeoutSeconds, ntohl(local.s_addr));
    const auto elapsed = std::chrono::steady_clock::now() - start;
    const double cpu = cpuMilliseconds() - cpuBefore;
    NETSDK_Cleanup();
    std::printf("found=%d elapsed_ms=%lld cpu_ms=%.1f\n", found,
                static_cast<long long>(
                    std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count()),
                cpu);
    return result == 0 ? 0 : 1;
}
