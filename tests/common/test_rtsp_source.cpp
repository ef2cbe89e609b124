// The RTSP source against camsim: pictures of the served clip arrive on the worker with
// their size and colours, the camera hears the login (Digest, as cameras ask, or Basic) and
// a TEARDOWN when the source is destroyed, and a stream that cannot be played ends with a
// reason, no picture and whether trying again can help.
#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <string>

#include "camsim_fixture.h"
#include "clip_blocks.h"
#include "rtsp_source.h"

namespace {

using clip_blocks::Rgb;

constexpr int kPort = 8554;
// Reserved characters in a password reach the camera intact when percent-encoded.
constexpr const char* kPassword = "p@ss:w/rd";
constexpr const char* kEncodedPassword = "p%40ss%3Aw%2Frd";
constexpr int kWaitMs = 10000;

// What the worker reported, read by the test thread.
struct Received {
    std::mutex lock;  // guards everything below; the worker writes, the test reads
    std::condition_variable changed;
    int pictures = 0;
    int width = 0, height = 0;
    uint32_t leftPixel = 0, rightPixel = 0;
    bool ended = false;
    media::StreamEnd why = media::StreamEnd::Lost;
    std::string reason;

    media::RtspSource::Callbacks callbacks() {
        return {[this](const media::RgbPicture& picture) {
                    std::lock_guard<std::mutex> guard(lock);
                    ++pictures;
                    width = picture.width;
                    height = picture.height;
                    const auto* middleRow = reinterpret_cast<const uint32_t*>(
                        picture.pixels + picture.bytesPerLine * (picture.height / 2));
                    leftPixel = middleRow[picture.width / 4];
                    rightPixel = middleRow[picture.width * 3 / 4];
                    changed.notify_all();
                },
                [this](media::StreamEnd kind, const std::string& text) {
                    std::lock_guard<std::mutex> guard(lock);
                    ended = true;
                    why = kind;
                    reason = text;
                    changed.notify_all();
                }};
    }

    template <typename Condition>
    bool waitFor(Condition condition) {
        std::unique_lock<std::mutex> guard(lock);
        return changed.wait_for(guard, std::chrono::milliseconds(kWaitMs),
                                [&] { return condition(); });
    }
};

bool near(uint32_t pixel, Rgb colour) {
    const int r = pixel >> 16 & 255, g = pixel >> 8 & 255, b = pixel & 255;
    return std::abs(r - colour.r) < 24 && std::abs(g - colour.g) < 24 &&
           std::abs(b - colour.b) < 24;
}

// Cameras by host number: Digest (camsim's default, as cameras ask), Basic, and one whose
// password fills the client's credential limit exactly ("admin:" and 121 characters).
constexpr int kDigestCamera = 10;
constexpr int kBasicCamera = 11;
constexpr int kLongPasswordCamera = 12;
const std::string kLongPassword(media::RtspSource::kMaxCredentialCharacters - 6, 'p');

class RtspSourceTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string clip = clip_blocks::makeVideoFile(
            {clip_blocks::kH264, 352, 288, "yuv420p"}, kRed, kBlue, 8, sim_.folder());
        const auto camera = [&](int host, const std::string& password, const char* faults) {
            return camsim::camera("C" + std::to_string(host), sim_.address(host),
                                  R"("password": ")" + password + R"(", "rtsp_port": )" +
                                      std::to_string(kPort) + R"(, "rtsp": {"video": ")" + clip +
                                      R"("}, "faults": {)" + faults + "}");
        };
        sim_.start(R"({"cameras": [)" + camera(kDigestCamera, kPassword, "") + ", " +
                   camera(kBasicCamera, kPassword, R"("rtsp_auth": "basic")") + ", " +
                   camera(kLongPasswordCamera, kLongPassword, "") + "]}");
    }

    std::string location(const std::string& password, const std::string& path = "/mpeg4cif",
                         int host = kDigestCamera) {
        return "rtsp://admin:" + password + "@" + sim_.address(host) + ":" + std::to_string(kPort) +
               path;
    }

    size_t requestsTo(int host, const std::string& method) {
        const std::string address = sim_.address(host);
        return sim_
            .journal([&](const camsim::JournalEntry& e) {
                return e.text("protocol") == "rtsp" && e.text("method") == method &&
                       e.text("uri").find(address) != std::string::npos;
            })
            .size();
    }

    bool cameraHears(int host, const std::string& method) {
        return sim_.waitForJournal(
            [&](const camsim::JournalEntry&) { return requestsTo(host, method) > 0; }, kWaitMs);
    }

    static constexpr Rgb kRed{255, 0, 0};
    static constexpr Rgb kBlue{0, 0, 255};
    camsim::Simulator sim_{camsim::Where::Loopback};
};

TEST_F(RtspSourceTest, PicturesOfTheClipArriveAndTheCameraHearsTeardown) {
    struct Case {
        const char* name;
        std::string password;
        int host;
        const char* scheme;  // the one the camera asks for
    };
    const Case cases[] = {
        {"Digest", kEncodedPassword, kDigestCamera, "Digest"},
        {"Basic", kEncodedPassword, kBasicCamera, "Basic"},
        {"credentials of the longest length, never cut", kLongPassword, kLongPasswordCamera,
         "Digest"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Received received;
        {
            media::RtspSource source(location(c.password, "/mpeg4cif", c.host),
                                     received.callbacks());
            ASSERT_TRUE(received.waitFor([&] { return received.pictures >= 3; }))
                << received.reason;
        }
        EXPECT_EQ(received.width, 352);
        EXPECT_EQ(received.height, 288);
        EXPECT_TRUE(near(received.leftPixel, kRed)) << std::hex << received.leftPixel;
        EXPECT_TRUE(near(received.rightPixel, kBlue)) << std::hex << received.rightPixel;
        EXPECT_FALSE(received.ended) << "a stop is no end of the stream";
        EXPECT_TRUE(cameraHears(c.host, "TEARDOWN"));
        const auto plays = sim_.journal([&](const camsim::JournalEntry& e) {
            return e.text("method") == "PLAY" && e.number("status") == 200 &&
                   e.text("uri").find(sim_.address(c.host)) != std::string::npos;
        });
        ASSERT_EQ(plays.size(), 1u);
        EXPECT_EQ(plays[0].text("user"), "admin");
        EXPECT_EQ(plays[0].text("scheme"), c.scheme);
    }
}

TEST_F(RtspSourceTest, AStreamThatCannotBePlayedEndsWithoutPictures) {
    struct Case {
        const char* name;
        std::string location;
        media::StreamEnd why;
    };
    const Case cases[] = {
        {"wrong password, Digest", location("wrong"), media::StreamEnd::Refused},
        {"wrong password, Basic", location("wrong", "/mpeg4cif", kBasicCamera),
         media::StreamEnd::Refused},
        {"unknown path", location(kEncodedPassword, "/other"), media::StreamEnd::Lost},
        {"nobody listening", "rtsp://admin:x@" + sim_.address(10) + ":8555/mpeg4cif",
         media::StreamEnd::Lost},
        {"credentials one character too long",
         location(kLongPassword + "p", "/mpeg4cif", kLongPasswordCamera),
         media::StreamEnd::CredentialsTooLong},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Received received;
        media::RtspSource source(c.location, received.callbacks());
        ASSERT_TRUE(received.waitFor([&] { return received.ended; }));
        EXPECT_EQ(received.pictures, 0);
        EXPECT_EQ(received.why, c.why) << received.reason;
        EXPECT_FALSE(received.reason.empty());
    }
    // A refused password is asked once per attempt, not again and again; and credentials
    // too long to send never reach the camera, cut or whole.
    EXPECT_EQ(requestsTo(kDigestCamera, "PLAY"), 0u);
    EXPECT_EQ(requestsTo(kLongPasswordCamera, "OPTIONS"), 0u);
}

}  // namespace
