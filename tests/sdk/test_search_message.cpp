#include <gtest/gtest.h>

#include <string>

#include "search/search_message.h"

namespace {

TEST(SearchMessage, AppendsKeyValueLinesTheEmptyLineAndTheBody) {
    char buffer[64] = {};
    CORE_SEARCH_SetKeyVaule(buffer, sizeof buffer, "Action:", "SEARCH", "\r\n");
    CORE_SEARCH_SetKeyVaule(buffer, sizeof buffer, nullptr, nullptr, "\r\n");
    CORE_SEARCH_SetKeyVaule(buffer, sizeof buffer, nullptr, "{}", "\r\n");
    EXPECT_STREQ(buffer, "Action:SEARCH\r\n\r\n{}\r\n");
}

TEST(SearchMessage, LeavesOutAPieceThatDoesNotFit) {
    char buffer[16] = {};
    CORE_SEARCH_SetKeyVaule(buffer, sizeof buffer, "Key:", "a value too long", "\r\n");
    EXPECT_STREQ(buffer, "Key:\r\n");  // 6 + 16 would reach the capacity; the line end fits.
    CORE_SEARCH_SetKeyVaule(buffer, sizeof buffer, "Other:", "123", "\r\n");
    EXPECT_STREQ(buffer, "Key:\r\nOther:123");  // 15 characters: the line end no longer fits.
}

struct KeyCase {
    const char* text;
    const char* key;
    int outSize;
    int result;
    const char* value;
};

const KeyCase kKeyCases[] = {
    {"Objective:IPC\r\nCseq:7\r\n", "Cseq:", 64, 0, "7"},
    {"Objective:IPC\r\nCseq:7\r\n", "Objective:", 64, 0, "IPC"},
    {"Objective:\r\n", "Objective:", 64, 0, ""},
    {"DeviceID:ABCDEFGH\r\n", "DeviceID:", 5, 0, "ABCD"},  // cut to outSize - 1
    {"Cseq:7\r\n", "Action:", 64, -1, ""},                 // key missing
    {"Cseq:7", "Cseq:", 64, -1, ""},                       // line end missing
    {"A:1\r\nA:2\r\n", "A:", 64, 0, "1"},                  // the first occurrence wins
};

TEST(SearchMessage, GetsTheValueAfterAKey) {
    for (const KeyCase& c : kKeyCases) {
        char out[64] = "untouched";
        EXPECT_EQ(CORE_SEARCH_GetKeyVaule(c.text, c.key, "\r\n", out, c.outSize), c.result)
            << c.text << " / " << c.key;
        if (c.result == 0) {
            EXPECT_STREQ(out, c.value) << c.text;
        }
    }
}

struct BodyCase {
    const char* text;
    int bodySize;
    int outSize;
    int result;
    const char* body;
};

const BodyCase kBodyCases[] = {
    {"BodySize:2\r\n\r\n{}", 2, 2048, 0, "{}"},
    {"BodySize:2\r\n\r\n{}\r\n", 2, 2048, 0, "{}"},  // bytes beyond BodySize stay out
    {"BodySize:0\r\n\r\n", 0, 2048, 0, ""},
    {"BodySize:5\r\n\r\n{}", 5, 2048, -1, ""},    // fewer bytes than announced
    {"BodySize:-1\r\n\r\n{}", -1, 2048, -1, ""},  // negative
    {"BodySize:2\r\n{}", 2, 2048, -1, ""},        // no empty line
    {"BodySize:4\r\n\r\nabcd", 4, 4, -1, ""},     // no room for the NUL
    {"BodySize:4\r\n\r\nabcd", 4, 5, 0, "abcd"},
};

TEST(SearchMessage, TakesExactlyBodySizeBytesAfterTheEmptyLine) {
    for (const BodyCase& c : kBodyCases) {
        char out[2048] = {};
        int outSize = c.outSize;
        EXPECT_EQ(CORE_SEARCH_GetBoyVaule(c.text, "\r\n\r\n", c.bodySize, out, &outSize), c.result)
            << c.text;
        if (c.result == 0) {
            EXPECT_STREQ(out, c.body);
            EXPECT_EQ(outSize, c.bodySize);
        }
    }
}

TEST(SearchMessage, BodySizeMustBeADecimalCount) {
    const struct {
        const char* text;
        int size;
    } cases[] = {{"0", 0},    {"1234", 1234}, {"-5", -1},         {"+5", -1},    {"", -1},
                 {"12a", -1}, {" 12", -1},    {"9999999999", -1}, {"twelve", -1}};
    for (const auto& c : cases) {
        EXPECT_EQ(CORE_SEARCH_ParseBodySize(c.text), c.size) << c.text;
    }
}

}  // namespace
