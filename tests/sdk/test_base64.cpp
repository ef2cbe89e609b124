#include <gtest/gtest.h>

#include <string>

#include "base64.h"

namespace {

struct Vector {
    std::string plain;
    std::string encoded;
};

// RFC 4648, section 10.
const Vector kVectors[] = {
    {"", ""},
    {"f", "Zg=="},
    {"fo", "Zm8="},
    {"foo", "Zm9v"},
    {"foob", "Zm9vYg=="},
    {"fooba", "Zm9vYmE="},
    {"foobar", "Zm9vYmFy"},
};

TEST(Base64, EncodesAndDecodesTheRfcVectors) {
    for (const Vector& v : kVectors) {
        char encoded[16] = {};
        EXPECT_EQ(Base64_Encode(encoded, v.plain.data(), static_cast<int>(v.plain.size())),
                  static_cast<int>(v.encoded.size()))
            << v.plain;
        EXPECT_EQ(std::string(encoded), v.encoded);

        char decoded[16] = {};
        const int n = Base64_Decode(decoded, v.encoded.data(), static_cast<int>(v.encoded.size()));
        EXPECT_EQ(std::string(decoded, n > 0 ? n : 0), v.plain) << v.encoded;
    }
}

TEST(Base64, EncodesBinaryBytes) {
    const char bytes[] = {'\xff', '\x00', '\xfe'};
    char encoded[8] = {};
    ASSERT_EQ(Base64_Encode(encoded, bytes, 3), 4);
    EXPECT_STREQ(encoded, "/wD+");
}

TEST(Base64, StopsDecodingAtTheFirstPad) {
    char decoded[8] = {};
    ASSERT_EQ(Base64_Decode(decoded, "YWJj=", 5), 3);
    EXPECT_EQ(std::string(decoded, 3), "abc");
    ASSERT_EQ(Base64_Decode(decoded, "YQ==YWJj", 8), 1);
    EXPECT_EQ(decoded[0], 'a');
}

TEST(Base64, RefusesBadInput) {
    char out[16];
    EXPECT_EQ(Base64_Decode(out, "Zm9v*mFy", 8), -1);
    EXPECT_EQ(Base64_Decode(out, "Z", 1), -1);
    EXPECT_EQ(Base64_Decode(nullptr, "Zg==", 4), -1);
    EXPECT_EQ(Base64_Encode(out, "x", -1), -1);
}

}  // namespace
