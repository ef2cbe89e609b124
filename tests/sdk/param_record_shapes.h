// Where the fields of the light, IR-cut, detection, mask, audio, capture, GB/T 28181, cover
// and motion records lie on the host and on the wire, written out once for the tests of
// both directions (straight conversions and round trips through camsim).
#pragma once

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "netsdk.h"

namespace shapes {

enum class Form { Short, Option, Range };

inline uint32_t hostBytes(Form form) {
    return form == Form::Short ? 16 : form == Form::Option ? 280 : 160;
}
inline uint32_t wireBytes(Form form) {
    return form == Form::Short ? 16 : form == Form::Option ? 148 : 156;
}
// Bytes of a slot in front of its list (the list itself follows them in both layouts).
inline uint32_t leadingBytes(Form form) {
    return form == Form::Range ? 24 : 16;
}

struct Slot {
    Form form;
    uint32_t host;
    uint32_t wire;
    bool valueSent = true;  // a write sends its value word (+8)
};

enum class Kind { Bytes, Text };

struct Field {
    uint32_t host;
    uint32_t wire;
    uint32_t width;
    Kind kind = Kind::Bytes;
};

// A value word whose two places the record's description names explicitly.
struct Landmark {
    uint32_t host;
    uint32_t wire;
};

struct RecordShape {
    std::string name;
    int id;
    uint16_t command;
    uint32_t hostSize;
    uint32_t wireSize;
    std::vector<Slot> slots;          // a read copies them whole, lists by the list rule
    std::vector<Field> readFields;    // plain words, bytes and texts a read copies
    std::vector<Field> sentFields;    // what a write sends besides the slots' values
    std::vector<Landmark> landmarks;  // value words whose places the layout spells out
    std::function<void(uint8_t*)> prepareWire = [](uint8_t*) {};  // counts a read accepts
    std::function<void(uint8_t*)> prepareHost = [](uint8_t*) {};  // counts a write sends

    // Everything a write sends: the value of every sent slot, then the other fields.
    std::vector<Field> sent() const {
        std::vector<Field> all;
        for (const Slot& slot : slots) {
            if (slot.valueSent) {
                all.push_back({slot.host + 8, slot.wire + 8, 4});
            }
        }
        all.insert(all.end(), sentFields.begin(), sentFields.end());
        return all;
    }
};

// ---- Builders --------------------------------------------------------------------------------

inline std::vector<Slot> run(Form form, uint32_t host, uint32_t wire, int count = 1) {
    std::vector<Slot> slots;
    for (int i = 0; i < count; ++i) {
        slots.push_back({form, host + i * hostBytes(form), wire + i * wireBytes(form)});
    }
    return slots;
}

inline std::vector<Slot> timeSegment(uint32_t host, uint32_t wire) {
    std::vector<Slot> slots = run(Form::Short, host, wire);
    for (const Slot& range : run(Form::Range, host + 16, wire + 16, 4)) {
        slots.push_back(range);
    }
    return slots;
}

template <typename T>
std::vector<T> repeated(const std::vector<T>& items, int count, uint32_t hostStep,
                        uint32_t wireStep) {
    std::vector<T> all;
    for (int k = 0; k < count; ++k) {
        for (T item : items) {
            item.host += k * hostStep;
            item.wire += k * wireStep;
            all.push_back(item);
        }
    }
    return all;
}

template <typename T>
std::vector<T> operator+(std::vector<T> a, const std::vector<T>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

inline void putWord(uint8_t* at, int32_t value) {
    std::memcpy(at, &value, 4);
}

// Every byte nonzero and neighbouring words distinct, so a field read from the wrong
// offset, or a text cut at the wrong place, shows.
inline std::vector<uint8_t> pattern(size_t size, int seed) {
    std::vector<uint8_t> bytes(size);
    for (size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<uint8_t>((i + seed) % 251 + 1);
    }
    return bytes;
}

// ---- The records -------------------------------------------------------------------------------

constexpr int32_t kMotionColumns = 22;
constexpr int32_t kMotionRows = 18;

inline std::vector<RecordShape> recordShapes() {
    const auto S = Form::Short;
    const auto O = Form::Option;
    const auto R = Form::Range;

    std::vector<RecordShape> all;

    all.push_back({"light",
                   NETSDK_PARAM_ID_LIGHT,
                   20,
                   4552,
                   3564,
                   run(O, 0, 0, 5) + run(S, 1400, 740) + run(R, 1416, 756, 6) + run(O, 2376, 1692) +
                       run(R, 2656, 1840, 3) + run(O, 3136, 2308) + run(R, 3416, 2456, 3) +
                       timeSegment(3896, 2924),
                   {},
                   {},
                   {{568, 304}, {2664, 1848}, {3424, 2464}, {3920, 2948}, {4080, 3104}}});

    all.push_back(
        {"IR cut", NETSDK_PARAM_ID_IRCUT, 24, 16, 16, {}, {{8, 8, 4}}, {{8, 8, 4}}, {{8, 8}}});

    all.push_back({"humanoid",
                   NETSDK_PARAM_ID_HUMANOID,
                   9,
                   176,
                   172,
                   run(S, 0, 0) + run(R, 16, 16),
                   {},
                   {},
                   {{24, 24}}});

    RecordShape roi{"regions",
                    NETSDK_PARAM_ID_ROI,
                    10,
                    12224,
                    11920,
                    repeated(run(S, 0, 0) + run(R, 16, 16, 19), 4, 3056, 2980),
                    {},
                    {},
                    {{344, 336}, {3 * 3056 + 664 + 7 * 320, 3 * 2980 + 648 + 7 * 312}}};
    roi.prepareWire = [](uint8_t* wire) {
        for (int region = 0; region < 4; ++region) {
            putWord(wire + 2980 * region + 336, 5 + region);
        }
    };
    roi.prepareHost = [](uint8_t* host) {
        for (int region = 0; region < 4; ++region) {
            putWord(host + 3056 * region + 344, NETSDK_ROI_POINTS);  // every point travels
        }
    };
    all.push_back(roi);

    all.push_back({"arming",
                   NETSDK_PARAM_ID_ARMING,
                   11,
                   5088,
                   4464,
                   repeated(run(S, 0, 0) + run(R, 16, 16) + run(R, 176, 172) + run(O, 336, 328) +
                                timeSegment(616, 476),
                            4, 1272, 1116),
                   {},
                   {},
                   {{3 * 1272 + 960, 3 * 1116 + 812}, {640, 500}}});

    std::vector<Slot> night = timeSegment(672, 344);
    night[0].valueSent = night[3].valueSent = night[4].valueSent = false;
    std::vector<Field> cells;
    for (uint32_t row = 0; row < kMotionRows; ++row) {
        cells.push_back({1336 + 32 * row, 1304 + 32 * row, kMotionColumns});
    }
    RecordShape motion{"motion",
                       NETSDK_PARAM_ID_MOTION,
                       13,
                       4792,
                       4696,
                       run(S, 0, 0) + run(R, 16, 16, 2) + run(S, 336, 328) + run(R, 352, 984) +
                           run(R, 512, 1140) + night +
                           repeated(timeSegment(2104, 2072), 4, 656, 640) + run(S, 4728, 4632, 4),
                       {{1328, 1296, 4}, {1332, 1300, 4}, {1336, 1304, 768}},
                       std::vector<Field>{{1328, 1296, 4}, {1332, 1300, 4}} + cells,
                       {{360, 992},
                        {520, 1148},
                        {696, 368},
                        {856, 524},
                        {2104 + 3 * 656 + 344, 2072 + 3 * 640 + 336},
                        {4752, 4656}}};
    motion.prepareWire = [](uint8_t* wire) {
        putWord(wire + 1296, kMotionColumns);
        putWord(wire + 1300, kMotionRows);
    };
    motion.prepareHost = [](uint8_t* host) {
        putWord(host + 1328, kMotionColumns);
        putWord(host + 1332, kMotionRows);
        // Cells outside the grid hold junk that must not travel.
        for (uint32_t row = 0; row < 24; ++row) {
            for (uint32_t column = 0; column < 32; ++column) {
                if (row >= uint32_t(kMotionRows) || column >= uint32_t(kMotionColumns)) {
                    host[1336 + 32 * row + column] = 0xEE;
                }
            }
        }
    };
    all.push_back(motion);

    all.push_back({"privacy masks",
                   NETSDK_PARAM_ID_PRIVACY_MASK,
                   4,
                   3264,
                   3184,
                   repeated(run(S, 0, 0) + run(R, 16, 16, 5), 4, 816, 796),
                   {},
                   {},
                   {{2 * 816 + 504, 2 * 796 + 492}}});

    all.push_back(
        {"video capture",
         NETSDK_PARAM_ID_VIDEO_CAPTURE,
         21,
         3600,
         3016,
         {{R, 0, 0},       {R, 160, 156},   {R, 320, 312},   {R, 480, 468},   {R, 640, 624},
          {R, 800, 780},   {O, 960, 936},   {S, 1240, 1084}, {S, 1256, 1100}, {S, 1272, 1116},
          {O, 1288, 1444}, {R, 1568, 1132}, {R, 1728, 1288}, {S, 1888, 1592}, {S, 1904, 1608},
          {R, 1920, 1624}, {R, 2080, 1780}, {O, 2240, 2500}, {S, 2520, 2648}, {S, 2536, 2664},
          {O, 2552, 2868}, {S, 2832, 1936}, {S, 2848, 1952}, {R, 2864, 1968}, {S, 3024, 2124},
          {S, 3040, 2140}, {R, 3056, 2156}, {S, 3216, 2312}, {S, 3232, 2328}, {R, 3248, 2344},
          {S, 3408, 2680}, {S, 3424, 2696}, {R, 3440, 2712}},
         {},
         {},
         {{1576, 1140}, {1296, 1452}, {3256, 2352}, {968, 944}}});

    all.push_back({"audio capture",
                   NETSDK_PARAM_ID_AUDIO_CAPTURE,
                   1,
                   920,
                   772,
                   run(R, 0, 0, 4) + run(O, 640, 624),
                   {},
                   {},
                   {{8, 8}, {648, 632}}});
    all.push_back({"audio encoder",
                   NETSDK_PARAM_ID_AUDIO_ENCODE,
                   2,
                   296,
                   164,
                   run(S, 0, 0) + run(O, 16, 16),
                   {},
                   {},
                   {{24, 24}}});
    all.push_back({"audio decoder",
                   NETSDK_PARAM_ID_AUDIO_DECODE,
                   23,
                   296,
                   164,
                   run(S, 0, 0) + run(O, 16, 16),
                   {},
                   {},
                   {{24, 24}}});

    const std::vector<Field> gbShared = std::vector<Field>{{16, 16, 32, Kind::Text},
                                                           {48, 48, 4},
                                                           {52, 52, 32, Kind::Text},
                                                           {84, 84, 32, Kind::Text},
                                                           {116, 116, 12}} +
                                        repeated<Field>({{128, 128, 32, Kind::Text}}, 3, 32, 32) +
                                        std::vector<Field>{{224, 224, 8}} +
                                        repeated<Field>({{232, 232, 32, Kind::Text}}, 96, 32, 32);
    all.push_back({"GB28181",
                   NETSDK_PARAM_ID_GB28181,
                   22,
                   3304,
                   3304,
                   {},
                   std::vector<Field>{{0, 0, 16}} + gbShared,
                   std::vector<Field>{{8, 8, 4}} + gbShared,
                   {{8, 8}, {120, 120}}});

    all.push_back({"cover detection",
                   NETSDK_PARAM_ID_COVER_DETECT,
                   25,
                   3664,
                   3576,
                   run(S, 0, 0) + run(R, 16, 16, 6) + repeated(timeSegment(976, 952), 4, 656, 640) +
                       run(S, 3600, 3512, 4),
                   {},
                   {},
                   {{976 + 656 + 184, 952 + 640 + 180}, {824, 804}, {3624, 3536}}});
    return all;
}

// The wire body a write of host must produce: zero except the sent fields, texts cut to
// their width less one and terminated.
inline std::vector<uint8_t> expectedWire(const RecordShape& shape, const uint8_t* host) {
    std::vector<uint8_t> wire(shape.wireSize, 0);
    for (const Field& field : shape.sent()) {
        if (field.kind == Kind::Text) {
            const size_t length =
                strnlen(reinterpret_cast<const char*>(host + field.host), field.width - 1);
            std::memcpy(wire.data() + field.wire, host + field.host, length);
        } else {
            std::memcpy(wire.data() + field.wire, host + field.host, field.width);
        }
    }
    return wire;
}

}  // namespace shapes
