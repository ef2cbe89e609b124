// The light, IR-cut, detection, mask, audio, capture, GB/T 28181, cover and motion records
// through NETSDK_GetParam / NETSDK_SetParam against camsim: each write puts exactly its
// fields on the wire, and a read after it shows the new values with the camera's
// defaults, lists and unsent fields intact.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "camsim_fixture.h"
#include "netsdk.h"
#include "param_record_shapes.h"

namespace {

using Bytes = std::vector<uint8_t>;
using shapes::Field;
using shapes::Kind;
using shapes::RecordShape;

int32_t wordAt(const uint8_t* at) {
    int32_t value;
    std::memcpy(&value, at, 4);
    return value;
}

Bytes blockHead(uint32_t length, uint16_t channel, uint16_t command) {
    return {'K',
            'T',
            'V',
            'Q',
            uint8_t(length >> 24),
            uint8_t(length >> 16),
            uint8_t(length >> 8),
            uint8_t(length),
            1,
            3,
            uint8_t(channel >> 8),
            uint8_t(channel),
            uint8_t(command >> 8),
            uint8_t(command),
            0,
            0};
}

// The bytes of a request body, from the journal's hexadecimal copy.
Bytes bodyOf(const camsim::JournalEntry& entry) {
    const std::string hex = entry.text("body_hex");
    Bytes bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes.push_back(static_cast<uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    }
    return bytes;
}

// Names the first byte where two byte strings part, rather than printing thousands.
void expectSameBytes(const Bytes& got, const Bytes& expected, const std::string& what) {
    ASSERT_EQ(got.size(), expected.size()) << what;
    const auto parted = std::mismatch(got.begin(), got.end(), expected.begin());
    if (parted.first != got.end()) {
        ADD_FAILURE() << what << ": byte " << (parted.first - got.begin()) << " is "
                      << int(*parted.first) << ", expected " << int(*parted.second);
    }
}

// New contents for every field a write sends: words distinct from each other and from
// anything the camera holds, texts filled to their full width, cells numbered.
void fillSentFields(const RecordShape& shape, uint8_t* host) {
    int32_t word = 0x4D000000 + (shape.id << 12);
    uint8_t cell = 1;
    for (const Field& field : shape.sent()) {
        for (uint32_t i = 0; i < field.width; ++i) {
            if (field.kind == Kind::Text) {
                host[field.host + i] = static_cast<uint8_t>('A' + (word + i) % 26);
            } else if (field.width % 4 != 0) {
                host[field.host + i] = cell++;
            } else if (i % 4 == 0) {
                shapes::putWord(host + field.host + i, ++word);
            }
        }
        ++word;
    }
    shape.prepareHost(host);
}

// Host bytes that a write sends, and what a read must bring back for them.
std::vector<bool> sentBytes(const RecordShape& shape) {
    std::vector<bool> sent(shape.hostSize, false);
    for (const Field& field : shape.sent()) {
        std::fill(sent.begin() + field.host, sent.begin() + field.host + field.width, true);
    }
    return sent;
}

void expectReadBack(const RecordShape& shape, const Bytes& before, const Bytes& written,
                    const Bytes& after) {
    const Bytes onWire = shapes::expectedWire(shape, written.data());
    const std::vector<bool> sent = sentBytes(shape);
    // Where a field was sent, the camera's copy is what travelled (texts cut); elsewhere
    // the record is as the first read found it.
    Bytes expected = before;
    for (const Field& field : shape.sent()) {
        std::memcpy(expected.data() + field.host, onWire.data() + field.wire, field.width);
    }
    const auto parted = std::mismatch(after.begin(), after.end(), expected.begin());
    if (parted.first != after.end()) {
        const size_t at = parted.first - after.begin();
        ADD_FAILURE() << shape.name << ": host byte " << at << (sent[at] ? " (sent)" : "")
                      << " reads " << int(*parted.first) << ", expected " << int(*parted.second);
    }
}

class RecordsAgainstCamsim : public ::testing::Test {
protected:
    RecordsAgainstCamsim() : sim_(camsim::Where::Loopback) {
        sim_.start(R"({"cameras": [)" +
                   camsim::camera("CAM0", sim_.address(10),
                                  R"("password": "pw", "light_modes": [18, 0, 18, 2])") +
                   "]}");
        login_ = NETSDK_Login(sim_.address(10).c_str(), 80, 1680, "admin", "pw", 0);
    }
    ~RecordsAgainstCamsim() override {
        if (login_ != nullptr) {
            NETSDK_Logout(login_);
        }
    }

    std::vector<camsim::JournalEntry> requests() const {
        return sim_.journal(
            [](const camsim::JournalEntry& e) { return e.text("protocol") == "http"; });
    }

    Bytes get(const RecordShape& shape) {
        Bytes host(shape.hostSize, 0xEE);
        EXPECT_EQ(NETSDK_GetParam(login_, &pair_, shape.id, host.data(), int(host.size())), 0)
            << shape.name;
        return host;
    }

    camsim::Simulator sim_;
    NETSDK_LOGIN_INFO* login_ = nullptr;
    const NETSDK_CHANNEL pair_{0, 1};
};

TEST_F(RecordsAgainstCamsim, WritesTravelExactlyAndReadBackOverTheCamerasRecord) {
    ASSERT_NE(login_, nullptr);
    for (const RecordShape& shape : shapes::recordShapes()) {
        const Bytes before = get(shape);
        const bool headChannelZero = shape.id >= 26 && shape.id <= 28;
        EXPECT_EQ(bodyOf(requests().back()),
                  blockHead(shape.wireSize, headChannelZero ? 0 : 1, shape.command))
            << shape.name;

        Bytes written = before;
        fillSentFields(shape, written.data());
        ASSERT_EQ(NETSDK_SetParam(login_, &pair_, shape.id, written.data(), int(written.size())), 0)
            << shape.name;
        const camsim::JournalEntry put = requests().back();
        EXPECT_EQ(put.text("method"), "PUT") << shape.name;
        Bytes expectedBody = blockHead(shape.wireSize, 1, shape.command);
        const Bytes onWire = shapes::expectedWire(shape, written.data());
        expectedBody.insert(expectedBody.end(), onWire.begin(), onWire.end());
        const Bytes body = bodyOf(put);
        expectSameBytes(body, expectedBody, shape.name + " PUT body");
        for (const shapes::Landmark& landmark : shape.landmarks) {
            ASSERT_EQ(body.size(), 16 + shape.wireSize) << shape.name;
            EXPECT_EQ(wordAt(body.data() + 16 + landmark.wire),
                      wordAt(written.data() + landmark.host))
                << shape.name << ": wire " << landmark.wire;
        }

        expectReadBack(shape, before, written, get(shape));
    }
}

TEST_F(RecordsAgainstCamsim, CameraListsAndDefaultsArriveAsOffered) {
    ASSERT_NE(login_, nullptr);
    NETSDK_PARAM_LIGHT light;
    ASSERT_EQ(NETSDK_GetParam(login_, &pair_, NETSDK_PARAM_ID_LIGHT, &light, sizeof light), 0);
    ASSERT_EQ(light.lightMode.count, 3);  // the camera lists 18, 0, 18, 2
    EXPECT_EQ(light.lightMode.list[0], 18);
    EXPECT_EQ(light.lightMode.list[1], 0);
    EXPECT_EQ(light.lightMode.list[2], 2);
    EXPECT_EQ(light.imageMode.defaultValue, 2);
    EXPECT_EQ(light.nightPeriod.ranges[0].value, 18 * 3600);

    NETSDK_PARAM_AUDIO_DECODE decoder;
    ASSERT_EQ(
        NETSDK_GetParam(login_, &pair_, NETSDK_PARAM_ID_AUDIO_DECODE, &decoder, sizeof decoder), 0);
    EXPECT_EQ(decoder.codec.count, 3);  // AAC only for the decoder

    NETSDK_PARAM_MOTION motion;
    ASSERT_EQ(NETSDK_GetParam(login_, &pair_, NETSDK_PARAM_ID_MOTION, &motion, sizeof motion), 0);
    EXPECT_EQ(motion.gridColumns, 22);
    EXPECT_EQ(motion.gridRows, 18);
    EXPECT_EQ(motion.cells[17][21], 1);
    EXPECT_EQ(motion.cells[17][22], 0);
}

TEST_F(RecordsAgainstCamsim, HostileGridIsRefusedWithoutTraffic) {
    ASSERT_NE(login_, nullptr);
    NETSDK_PARAM_MOTION motion = {};
    const size_t sentBefore = requests().size();
    for (const auto& [columns, rows] : {std::pair{22, 25}, {33, 18}, {-1, 1}}) {
        motion.gridColumns = columns;
        motion.gridRows = rows;
        EXPECT_EQ(NETSDK_SetParam(login_, &pair_, NETSDK_PARAM_ID_MOTION, &motion, sizeof motion),
                  -1)
            << columns << " x " << rows;
    }
    EXPECT_EQ(requests().size(), sentBefore);
}

}  // namespace
