// Load driver of bench/http: SDK login + GetParam + logout round trips, and parallel logins.
//
//   http_bench roundtrips <ip> <port> <rounds>       prints "RESULT <rounds> <seconds>"
//   http_bench parallel <port> <ip> [<ip> ...]       one thread per ip; "RESULT <n> <seconds>"
// (the SDK logs a line per read on standard output, so the result line is marked)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "netsdk.h"

namespace {

using Clock = std::chrono::steady_clock;

bool roundTrip(const char* ip, int port) {
    NETSDK_LOGIN_INFO* login = NETSDK_Login(ip, port, 1680, "admin", "", 0);
    if (login == nullptr) {
        return false;
    }
    NETSDK_PARAM_DNS dns;
    const NETSDK_CHANNEL pair{0, 1};
    const bool read = NETSDK_GetParam(login, &pair, NETSDK_PARAM_ID_DNS, &dns, sizeof dns) == 0;
    NETSDK_Logout(login);
    return read;
}

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

int roundTrips(const char* ip, int port, int rounds) {
    const auto start = Clock::now();
    for (int i = 0; i < rounds; ++i) {
        if (!roundTrip(ip, port)) {
            std::fprintf(stderr, "round trip %d failed\n", i);
            return 1;
        }
    }
    std::printf("RESULT %d %.6f\n", rounds, secondsSince(start));
    return 0;
}

int parallelLogins(int port, const std::vector<std::string>& ips) {
    std::vector<int> failed(ips.size(), 0);
    std::vector<std::thread> threads;
    const auto start = Clock::now();
    for (size_t i = 0; i < ips.size(); ++i) {
        threads.emplace_back([&, i] {
            NETSDK_LOGIN_INFO* login = NETSDK_Login(ips[i].c_str(), port, 1680, "admin", "", 0);
            failed[i] = login == nullptr;
            if (login != nullptr) {
                NETSDK_Logout(login);
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    const double seconds = secondsSince(start);
    for (int f : failed) {
        if (f) {
            std::fprintf(stderr, "a login failed\n");
            return 1;
        }
    }
    std::printf("RESULT %zu %.6f\n", ips.size(), seconds);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "roundtrips" && argc == 5) {
        return roundTrips(argv[2], std::atoi(argv[3]), std::atoi(argv[4]));
    }
    if (mode == "parallel" && argc >= 4) {
        return parallelLogins(std::atoi(argv[2]), std::vector<std::string>(argv + 3, argv + argc));
    }
    std::fprintf(stderr, "usage: http_bench roundtrips IP PORT ROUNDS | parallel PORT IP...\n");
    return 2;
}
