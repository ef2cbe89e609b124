// The light, IR-cut, detection, mask, audio, capture, GB/T 28181, cover and motion records
// converted without a camera: every field of a read lands at its host place and nothing
// else is filled, single values of a write travel at their wire places, and hostile counts
// never take a conversion past the places they count.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "netsdk.h"
#include "param/param_block.h"
#include "param_record_shapes.h"

namespace {

using Bytes = std::vector<uint8_t>;
using shapes::Field;
using shapes::Kind;
using shapes::pattern;
using shapes::RecordShape;
using shapes::Slot;

int32_t wordAt(const uint8_t* at) {
    int32_t value;
    std::memcpy(&value, at, 4);
    return value;
}

Bytes withHead(const RecordShape& shape, const Bytes& body, uint16_t channel = 1) {
    const uint8_t head[16] = {'K',
                              'T',
                              'V',
                              'Q',
                              uint8_t(shape.wireSize >> 24),
                              uint8_t(shape.wireSize >> 16),
                              uint8_t(shape.wireSize >> 8),
                              uint8_t(shape.wireSize),
                              1,
                              3,
                              uint8_t(channel >> 8),
                              uint8_t(channel),
                              uint8_t(shape.command >> 8),
                              uint8_t(shape.command),
                              0,
                              0};
    Bytes all(sizeof head + body.size());
    std::memcpy(all.data(), head, sizeof head);
    std::memcpy(all.data() + sizeof head, body.data(), body.size());
    return all;
}

// Reads body into a record of the shape's exact size (so a sanitizer sees any overrun).
Bytes read(const RecordShape& shape, const Bytes& body, int* result = nullptr) {
    const Bytes all = withHead(shape, body);
    Bytes host(shape.hostSize, 0xEE);
    const NETSDK_CHANNEL pair{0, 1};
    const int got = _ParseBinaryBoy(&pair, all.data(), int(all.size()), shape.id, host.data(),
                                    int(host.size()));
    if (result != nullptr) {
        *result = got;
    } else {
        EXPECT_EQ(got, 0) << shape.name;
    }
    return host;
}

// Writes host (of the shape's exact size); the body, or empty when the write was refused.
Bytes write(const RecordShape& shape, const Bytes& host) {
    Bytes out(16 + shape.wireSize, 0xEE);
    uint32_t length = uint32_t(out.size());
    const NETSDK_CHANNEL pair{0, 1};
    if (_MakeBinaryBoy(&pair, shape.id, host.data(), int(host.size()), out.data(), &length) != 0) {
        EXPECT_EQ(length, uint32_t(out.size())) << shape.name << ": length changed on refusal";
        return {};
    }
    EXPECT_EQ(length, 16 + shape.wireSize) << shape.name;
    return Bytes(out.begin() + 16, out.end());
}

const RecordShape& shapeOf(int id) {
    static const std::vector<RecordShape> all = shapes::recordShapes();
    for (const RecordShape& shape : all) {
        if (shape.id == id) {
            return shape;
        }
    }
    throw std::invalid_argument("no shape for id " + std::to_string(id));
}

// ---- Reads ---------------------------------------------------------------------------------

void expectSlotRead(const RecordShape& shape, const Slot& slot, const Bytes& wire,
                    const Bytes& host, std::vector<bool>& named) {
    const std::string where = shape.name + " slot at host " + std::to_string(slot.host);
    const uint32_t leading = shapes::leadingBytes(slot.form);
    EXPECT_EQ(std::memcmp(host.data() + slot.host, wire.data() + slot.wire, leading), 0) << where;
    if (slot.form != shapes::Form::Short) {
        const int32_t wireCount = wordAt(wire.data() + slot.wire + leading);
        const int32_t hostCount = wordAt(host.data() + slot.host + leading);
        EXPECT_GE(hostCount, 0) << where;
        EXPECT_LE(hostCount, 32) << where;
        if (wireCount > 0) {
            EXPECT_EQ(wordAt(host.data() + slot.host + leading + 4),
                      wordAt(wire.data() + slot.wire + leading + 4))
                << where << ": first list value";
        }
    }
    std::fill(named.begin() + slot.host, named.begin() + slot.host + shapes::hostBytes(slot.form),
              true);
}

void expectFieldRead(const RecordShape& shape, const Field& field, const Bytes& wire,
                     const Bytes& host, std::vector<bool>& named) {
    const std::string where = shape.name + " field at host " + std::to_string(field.host);
    const uint32_t copied = field.kind == Kind::Text ? field.width - 1 : field.width;
    EXPECT_EQ(std::memcmp(host.data() + field.host, wire.data() + field.wire, copied), 0) << where;
    if (field.kind == Kind::Text) {
        EXPECT_EQ(host[field.host + field.width - 1], 0) << where << ": full-width text not cut";
    }
    std::fill(named.begin() + field.host, named.begin() + field.host + field.width, true);
}

TEST(MoreRecords, ReadsFillEveryNamedFieldAndNothingElse) {
    for (const RecordShape& shape : shapes::recordShapes()) {
        Bytes wire = pattern(shape.wireSize, shape.id);
        shape.prepareWire(wire.data());
        const Bytes host = read(shape, wire);
        std::vector<bool> named(shape.hostSize, false);
        for (const Slot& slot : shape.slots) {
            expectSlotRead(shape, slot, wire, host, named);
        }
        for (const Field& field : shape.readFields) {
            expectFieldRead(shape, field, wire, host, named);
        }
        for (uint32_t i = 0; i < shape.hostSize; ++i) {
            if (!named[i] && host[i] != 0) {
                ADD_FAILURE() << shape.name << ": host byte " << i << " filled though unnamed";
                break;
            }
        }
    }
}

TEST(MoreRecords, LightModeListKeepsEachOfferedModeOnceInOrder) {
    Bytes wire(3564, 0);
    const int32_t list[] = {4, 18, 0, 18, 2};
    std::memcpy(wire.data() + 296 + 16, list, sizeof list);
    NETSDK_PARAM_LIGHT light;
    Bytes host = read(shapeOf(NETSDK_PARAM_ID_LIGHT), wire);
    std::memcpy(&light, host.data(), sizeof light);
    ASSERT_EQ(light.lightMode.count, 3);
    EXPECT_EQ(light.lightMode.list[0], 18);
    EXPECT_EQ(light.lightMode.list[1], 0);
    EXPECT_EQ(light.lightMode.list[2], 2);
}

// ---- Writes ------------------------------------------------------------------------------

// Each value word that the layout places explicitly, written alone into an otherwise empty
// record (with the counts its shape needs), travels alone.
TEST(MoreRecords, SingleValuesTravelAtTheirWirePlaces) {
    constexpr int32_t kValue = 7;  // within every count's places
    for (const RecordShape& shape : shapes::recordShapes()) {
        for (const shapes::Landmark& landmark : shape.landmarks) {
            Bytes host(shape.hostSize, 0);
            shape.prepareHost(host.data());
            Bytes expected = shapes::expectedWire(shape, host.data());
            shapes::putWord(host.data() + landmark.host, kValue);
            shapes::putWord(expected.data() + landmark.wire, kValue);
            EXPECT_EQ(write(shape, host), expected)
                << shape.name << ": host " << landmark.host << " to wire " << landmark.wire;
        }
    }
}

TEST(MoreRecords, WritesSendExactlyTheirFields) {
    for (const RecordShape& shape : shapes::recordShapes()) {
        Bytes host = pattern(shape.hostSize, shape.id + 3);
        shape.prepareHost(host.data());
        const Bytes body = write(shape, host);
        const Bytes expected = shapes::expectedWire(shape, host.data());
        ASSERT_EQ(body.size(), expected.size()) << shape.name;
        for (size_t i = 0; i < body.size(); ++i) {
            if (body[i] != expected[i]) {
                ADD_FAILURE() << shape.name << ": wire byte " << i << " is " << int(body[i])
                              << ", expected " << int(expected[i]);
                break;
            }
        }
    }
}

TEST(MoreRecords, RegionWithThreePointsSendsOnlyThosePoints) {
    NETSDK_PARAM_ROI roi;
    std::memset(&roi, 0x3C, sizeof roi);  // junk in every point
    roi.regions[1].pointCount.value = 3;
    const Bytes host(reinterpret_cast<const uint8_t*>(&roi),
                     reinterpret_cast<const uint8_t*>(&roi) + sizeof roi);
    const Bytes body = write(shapeOf(NETSDK_PARAM_ID_ROI), host);
    ASSERT_FALSE(body.empty());
    const uint8_t* region = body.data() + 2980;
    EXPECT_EQ(wordAt(region + 336), 3);
    for (int point = 0; point < 8; ++point) {
        const int32_t expected = point < 3 ? 0x3C3C3C3C : 0;
        EXPECT_EQ(wordAt(region + 492 + 312 * point), expected) << "x of point " << point;
        EXPECT_EQ(wordAt(region + 648 + 312 * point), expected) << "y of point " << point;
    }
}

// ---- Hostile counts --------------------------------------------------------------------------

struct GridCase {
    int32_t columns;
    int32_t rows;
    bool writable;        // a write with these counts goes out
    int32_t readColumns;  // what a read holds them to
    int32_t readRows;
};

TEST(HostileCounts, MotionGridCountsNeverLeaveTheCells) {
    const GridCase cases[] = {
        {22, 18, true, 22, 18},
        {32, 24, true, 32, 24},
        {0, 0, true, 0, 0},
        {33, 18, false, 32, 18},
        {22, 25, false, 22, 24},
        {-1, 18, false, 0, 18},
        {22, -1, false, 22, 0},
        {INT_MAX, INT_MIN, false, 32, 0},
        {INT_MIN, INT_MAX, false, 0, 24},
        {1 << 20, 1 << 20, false, 32, 24},
    };
    const RecordShape& motion = shapeOf(NETSDK_PARAM_ID_MOTION);
    for (const GridCase& c : cases) {
        const std::string where = std::to_string(c.columns) + " x " + std::to_string(c.rows);
        Bytes host(motion.hostSize, 1);
        shapes::putWord(host.data() + 1328, c.columns);
        shapes::putWord(host.data() + 1332, c.rows);
        const Bytes body = write(motion, host);
        EXPECT_EQ(!body.empty(), c.writable) << where;

        Bytes wire(motion.wireSize, 1);
        shapes::putWord(wire.data() + 1296, c.columns);
        shapes::putWord(wire.data() + 1300, c.rows);
        const Bytes read_ = read(motion, wire);
        EXPECT_EQ(wordAt(read_.data() + 1328), c.readColumns) << where;
        EXPECT_EQ(wordAt(read_.data() + 1332), c.readRows) << where;
        EXPECT_EQ(Bytes(read_.begin() + 1336, read_.begin() + 2104), Bytes(768, 1)) << where;
    }
}

struct PointCase {
    int32_t count;
    int32_t held;  // what both directions hold it to
};

TEST(HostileCounts, RegionPointCountsAreHeldToTheEightPoints) {
    const PointCase cases[] = {{8, 8}, {9, 8}, {-3, 0}, {INT_MAX, 8}, {INT_MIN, 0}};
    const RecordShape& roi = shapeOf(NETSDK_PARAM_ID_ROI);
    for (const PointCase& c : cases) {
        const std::string where = "count " + std::to_string(c.count);
        Bytes host(roi.hostSize, 0x11);
        shapes::putWord(host.data() + 3 * 3056 + 344, c.count);
        const Bytes body = write(roi, host);
        ASSERT_FALSE(body.empty()) << where;
        const uint8_t* region = body.data() + 3 * 2980;
        EXPECT_EQ(wordAt(region + 336), c.held) << where;
        for (int point = 0; point < 8; ++point) {
            EXPECT_EQ(wordAt(region + 492 + 312 * point), point < c.held ? 0x11111111 : 0)
                << where << ", point " << point;
        }

        Bytes wire(roi.wireSize, 0x22);
        shapes::putWord(wire.data() + 3 * 2980 + 336, c.count);
        const Bytes host_ = read(roi, wire);
        EXPECT_EQ(wordAt(host_.data() + 3 * 3056 + 344), c.held) << where;
    }
}

TEST(HostileCounts, RefusedWriteLeavesNothingToSend) {
    NETSDK_PARAM_MOTION motion = {};
    motion.gridRows = 25;
    motion.gridColumns = 22;
    Bytes out(16 + 4696, 0xEE);
    uint32_t length = uint32_t(out.size());
    const NETSDK_CHANNEL pair{0, 1};
    EXPECT_EQ(
        _MakeBinaryBoy(&pair, NETSDK_PARAM_ID_MOTION, &motion, sizeof motion, out.data(), &length),
        -1);
    EXPECT_EQ(out, Bytes(out.size(), 0));
}

}  // namespace
