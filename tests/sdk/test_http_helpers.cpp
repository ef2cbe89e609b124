#include <gtest/gtest.h>

#include <string>

#include "http/http_auth.h"
#include "http/http_cookie.h"
#include "http/md5.h"

namespace {

TEST(Md5, MatchesTheRfcVectors) {
    struct Vector {
        std::string message;
        const char* digest;
    };
    // RFC 1321, appendix A.5.
    const Vector vectors[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
         "d174ab98d277d9f5a5611c2c9f419d9f"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
    };
    for (const Vector& v : vectors) {
        EXPECT_EQ(Md5::hex(Md5::of(v.message.data(), v.message.size()), false), v.digest)
            << v.message;
    }
}

TEST(Md5, PiecesGiveTheSameDigestAsTheWhole) {
    const std::string message(1000, 'm');
    for (size_t split : {size_t(1), size_t(55), size_t(56), size_t(64), size_t(999)}) {
        Md5 md5;
        md5.update(message.data(), split);
        md5.update(message.data() + split, message.size() - split);
        EXPECT_EQ(md5.finish(), Md5::of(message.data(), message.size())) << split;
    }
}

TEST(Md5, WritesUpperCaseHex) {
    EXPECT_EQ(Md5::hex(Md5::of("abc", 3), true), "900150983CD24FB0D6963F7D28E17F72");
}

TEST(HttpAuth, WritesTheBasicValue) {
    struct Case {
        const char* user;
        const char* password;
        const char* value;
    };
    const Case cases[] = {
        {"Aladdin", "open sesame", "Basic QWxhZGRpbjpvcGVuIHNlc2FtZQ=="},  // RFC 7617's example
        {"admin", "", "Basic YWRtaW46"},
        {"", "", "Basic Og=="},
    };
    for (const Case& c : cases) {
        char out[1024];
        const int written = HTTP_AUTH_Make(HTTP_AUTH_BASIC, c.user, c.password, "GET", "/", nullptr,
                                           0, out, sizeof out);
        EXPECT_EQ(std::string(out), c.value);
        EXPECT_EQ(written, static_cast<int>(std::string(c.value).size()));
    }
}

TEST(HttpAuth, KeepsToItsLimits) {
    const std::string longest(63, 'u');
    char out[1024];
    // The longest user and password a login keeps always fit.
    EXPECT_GT(HTTP_AUTH_Make(1, longest.c_str(), longest.c_str(), "PUT", "/", nullptr, 0, out,
                             sizeof out),
              0);
    // 189 characters encode to 252, plus 3 line-break allowances: the most that fits.
    const std::string user(93, 'a');
    const std::string password(95, 'b');
    EXPECT_GT(
        HTTP_AUTH_Make(1, user.c_str(), password.c_str(), "GET", "/", nullptr, 0, out, sizeof out),
        0);
    EXPECT_EQ(HTTP_AUTH_Make(1, user.c_str(), (password + "b").c_str(), "GET", "/", nullptr, 0, out,
                             sizeof out),
              -7);
    char small[10];
    EXPECT_EQ(HTTP_AUTH_Make(1, "admin", "secret", "GET", "/", nullptr, 0, small, sizeof small),
              -7);
    EXPECT_EQ(HTTP_AUTH_Make(2, "admin", "secret", "GET", "/", nullptr, 0, out, sizeof out), -1);
    EXPECT_EQ(HTTP_AUTH_Make(1, nullptr, "secret", "GET", "/", nullptr, 0, out, sizeof out), -1);
    EXPECT_EQ(HTTP_AUTH_Make(1, "admin", "secret", "GET", "/", nullptr, 0, nullptr, 10), -1);
}

TEST(HttpCookie, ParsesNameValueAndAttributes) {
    const std::string text =
        "id=42; Path=/; domain=cam.local;\tEXPIRES=Wed, 21 Oct 2037 07:28:00 GMT; HttpOnly; secure";
    const auto cookie = HTTP_COOKIE_Parse(text.data(), static_cast<int>(text.size()));
    ASSERT_NE(cookie, nullptr);
    EXPECT_EQ(cookie->name, "id");
    EXPECT_EQ(cookie->value, "42");
    EXPECT_EQ(cookie->path, "/");
    EXPECT_EQ(cookie->domain, "cam.local");
    EXPECT_EQ(cookie->expires, "Wed, 21 Oct 2037 07:28:00 GMT");
    EXPECT_TRUE(cookie->httpOnly);
    EXPECT_TRUE(cookie->secure);
}

TEST(HttpCookie, TakesTheFirstPairAndRefusesTextWithoutOne) {
    const std::string later = "HttpOnly; a=1=2; b=3";
    const auto cookie = HTTP_COOKIE_Parse(later.data(), static_cast<int>(later.size()));
    ASSERT_NE(cookie, nullptr);
    EXPECT_EQ(cookie->name, "a");
    EXPECT_EQ(cookie->value, "1=2");
    EXPECT_FALSE(cookie->httpOnly);  // flags count only after the pair

    for (const std::string none : {"", "HttpOnly; Secure", ";;"}) {
        EXPECT_EQ(HTTP_COOKIE_Parse(none.data(), static_cast<int>(none.size())), nullptr) << none;
    }
    EXPECT_EQ(HTTP_COOKIE_Parse(nullptr, 3), nullptr);
}

}  // namespace
