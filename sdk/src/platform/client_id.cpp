#include "client_id.h"

#include <random>

namespace netsdk::platform {

namespace {
constexpr char kPrefix[] = "ZR";
constexpr int kRandomLetters = 30;
}  // namespace

std::string makeClientId(uint32_t seed) {
    std::mt19937 generator(seed);
    std::string id = kPrefix;
    for (int i = 0; i < kRandomLetters; ++i) {
        const bool lowerCase = generator() % 2 == 1;
        const char letter = static_cast<char>(generator() % 26);
        id += static_cast<char>((lowerCase ? 'a' : 'A') + letter);
    }
    return id;
}

}  // namespace netsdk::platform
