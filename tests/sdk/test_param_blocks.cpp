// The parameter-block head and the record conversions, without a camera: each record's
// fields must land at the offsets its layout gives, in both directions.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "netsdk.h"
#include "param/block_converter.h"
#include "param/param_block.h"
#include "param_record_shapes.h"

namespace {

using Bytes = std::vector<uint8_t>;

int32_t wordAt(const Bytes& bytes, size_t offset) {
    int32_t value;
    std::memcpy(&value, bytes.data() + offset, 4);
    return value;
}

void putWord(uint8_t* at, int32_t value) {
    std::memcpy(at, &value, 4);
}

using shapes::pattern;

Bytes head(uint32_t length, uint16_t channel, uint16_t command) {
    return {'K',
            'T',
            'V',
            'Q',
            uint8_t(length >> 24),
            uint8_t(length >> 16),
            uint8_t(length >> 8),
            uint8_t(length),
            0x01,
            0x03,
            uint8_t(channel >> 8),
            uint8_t(channel),
            uint8_t(command >> 8),
            uint8_t(command),
            0,
            0};
}

Bytes reply(const Bytes& headBytes, const Bytes& body) {
    Bytes all = headBytes;
    all.insert(all.end(), body.begin(), body.end());
    return all;
}

// ---- Heads --------------------------------------------------------------------------------

struct HeadCase {
    int id;
    NETSDK_CHANNEL pair;
    Bytes expected;
};

TEST(ParamHead, GetHeadsCarryLengthChannelAndCommand) {
    const HeadCase cases[] = {
        {21, {0, 1}, {0x4B, 0x54, 0x56, 0x51, 0, 0, 0x03, 0x70, 1, 3, 0, 1, 0, 0x0C, 0, 0}},
        {32, {7, 1}, head(1060, 1, 3)},
        {26, {0, 5}, head(172, 0, 9)},  // channel 0 whatever the caller passed
        {20, {0, 3}, head(1552, 0, 0)},
        {38, {0, 0x10002}, head(24, 2, 7)},  // the low 16 bits of the stream
    };
    for (const HeadCase& c : cases) {
        uint8_t out[16] = {};
        ASSERT_EQ(_MakeHeadBinary(&c.pair, c.id, out, sizeof out), 16) << c.id;
        EXPECT_EQ(Bytes(out, out + 16), c.expected) << c.id;
    }
}

TEST(ParamHead, RefusesIdsWithoutBlocksAndSmallBuffers) {
    const NETSDK_CHANNEL pair{0, 1};
    uint8_t out[16];
    for (int id : {2, 3, 15, 19, 45, -1}) {
        EXPECT_EQ(_MakeHeadBinary(&pair, id, out, sizeof out), -1) << id;
    }
    EXPECT_EQ(_MakeHeadBinary(&pair, 21, out, 15), -1);
    EXPECT_EQ(_MakeHeadBinary(nullptr, 21, out, 16), -1);
}

// ---- Field tables of both directions ---------------------------------------------------------

enum class Move { Raw, Text, Constant };

// One field as the record's layout places it.
struct Field {
    uint32_t host;
    uint32_t wire;
    uint32_t width;
    Move move = Move::Raw;
    int32_t constant = 0;
};

Field raw(uint32_t host, uint32_t wire, uint32_t width = 4) {
    return {host, wire, width};
}
Field value(uint32_t hostSlot, uint32_t wireSlot) {
    return {hostSlot + 8, wireSlot + 8, 4};
}
Field str(uint32_t host, uint32_t wire, uint32_t width) {
    return {host, wire, width, Move::Text};
}
Field constant(uint32_t wire, int32_t v) {
    return {0, wire, 4, Move::Constant, v};
}

std::vector<Field> repeated(std::vector<Field> fields, int count, uint32_t hostStep,
                            uint32_t wireStep) {
    std::vector<Field> all;
    for (int k = 0; k < count; ++k) {
        for (Field f : fields) {
            f.host += k * hostStep;
            f.wire += k * wireStep;
            all.push_back(f);
        }
    }
    return all;
}

std::vector<Field> operator+(std::vector<Field> a, const std::vector<Field>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct RecordCase {
    std::string name;
    int id;
    uint16_t command;
    uint32_t hostSize;
    uint32_t wireSize;
    std::function<void(uint8_t*)> prepare;  // sets the mode word (wire or host record)
    std::vector<Field> fields;
};

void noPreparation(uint8_t*) {}
void timeMode(uint8_t* record, int32_t mode) {
    putWord(record + 8, mode);
}

// Fields of the reply direction (wire to host). Slots are checked by their words here;
// lists have tests of their own below.
std::vector<RecordCase> replyCases() {
    const auto titleSlots =
        repeated({raw(280, 148, 16), raw(296, 164, 24), raw(456, 320, 24), raw(616, 476, 24),
                  raw(776, 632, 24), raw(936, 788, 16), str(960, 812, 129)},
                 4, 1080, 1060);
    return {
        {"device",
         20,
         0,
         1552,
         1552,
         noPreparation,
         {raw(0, 0), str(4, 4, 32), str(36, 36, 16), str(52, 52, 32), str(84, 84, 32),
          str(116, 116, 64), str(180, 180, 64), raw(244, 244, 20), raw(264, 264, 1280)}},
        {"time, NTP mode",
         21,
         12,
         1024,
         880,
         [](uint8_t* w) { timeMode(w, 0); },
         {raw(0, 0, 16), raw(280, 148), raw(284, 152), raw(288, 156), raw(292, 160, 12),
          str(304, 172, 129), str(433, 301, 129), raw(564, 432), raw(704, 568, 24),
          raw(864, 724, 24)}},
        {"time, manual mode",
         21,
         12,
         1024,
         880,
         [](uint8_t* w) { timeMode(w, 1); },
         {raw(0, 0, 16), raw(280, 148), raw(284, 152)}},
        {"maintenance",
         22,
         15,
         300,
         168,
         noPreparation,
         {raw(0, 0, 16), raw(16, 16, 16), raw(296, 164)}},
        {"id 23", 23, 18, 5088, 4464, noPreparation,
         repeated({raw(0, 0, 16), raw(16, 16, 24), raw(176, 172, 24), raw(336, 328, 16),
                   raw(616, 476, 16), raw(632, 492, 24), raw(1112, 960, 24)},
                  4, 1272, 1116)},
        {"id 24", 24, 19, 48, 48, noPreparation, {raw(0, 0, 48)}},
        {"dns", 38, 7, 24, 24, noPreparation, {raw(0, 0, 24)}},
        {"ip adaption", 40, 8, 20, 20, noPreparation, {raw(0, 0, 20)}},
        {"alarm linkage", 41, 17, 64, 64, noPreparation, {raw(0, 0, 64)}},
        {"users", 42, 14, 724, 724, noPreparation,
         repeated({str(4, 4, 32), raw(68, 68, 8)}, 10, 72, 72)},
        {"video encode", 32, 3, 1600, 1060, noPreparation,
         repeated({raw(0, 0, 16)}, 4, 280, 148) + repeated({raw(1120, 592, 24)}, 3, 160, 156)},
        {"osd", 31, 5, 5864, 5372, noPreparation,
         std::vector<Field>{raw(0, 0, 16)} + titleSlots +
             std::vector<Field>{raw(4600, 4388, 16), raw(4616, 4404, 24), raw(4776, 4560, 24),
                                raw(4936, 4716, 24), raw(5096, 4872, 24), raw(5256, 5028, 48),
                                raw(5304, 5076, 16), raw(5584, 5224, 16)}},
        {"network", 37, 6, 3652, 3072, noPreparation,
         std::vector<Field>{raw(0, 0, 8), str(8, 8, 129), str(137, 137, 129), raw(268, 268),
                            raw(408, 404, 8), str(416, 412, 129), str(545, 541, 129), raw(676, 672),
                            raw(816, 808, 24), raw(840, 832, 6), raw(848, 840, 48),
                            raw(896, 888, 16), str(1176, 1036, 32), str(1208, 1068, 32),
                            raw(1240, 1100), raw(2232, 1684, 8), raw(3648, 3068)} +
             repeated({raw(2240, 1692, 14), raw(2256, 1708, 24)}, 8, 176, 172)},
    };
}

// Fields of the request direction (host to wire): the whole wire body must be zero except
// these.
std::vector<RecordCase> requestCases() {
    return {
        {"time, NTP mode",
         21,
         12,
         1024,
         880,
         [](uint8_t* h) { timeMode(h, 0); },
         {value(0, 0), constant(156, 1), str(304, 172, 129), value(704, 568), value(864, 724)}},
        {"time, manual mode",
         21,
         12,
         1024,
         880,
         [](uint8_t* h) { timeMode(h, 1); },
         {value(0, 0), raw(280, 148), raw(284, 152)}},
        {"maintenance",
         22,
         15,
         300,
         168,
         noPreparation,
         {value(0, 0), value(16, 16), raw(296, 164)}},
        {"dns", 38, 7, 24, 24, noPreparation, {raw(0, 0, 24)}},
        {"ip adaption", 40, 8, 20, 20, noPreparation, {value(0, 0)}},
        {"alarm linkage",
         41,
         17,
         64,
         64,
         noPreparation,
         {value(0, 0), value(16, 16), value(32, 32), value(48, 48)}},
        {"users", 42, 14, 724, 724, noPreparation,
         std::vector<Field>{raw(0, 0)} +
             repeated({str(4, 4, 32), str(36, 36, 32), raw(68, 68, 8)}, 10, 72, 72)},
        {"video encode",
         32,
         3,
         1600,
         1060,
         noPreparation,
         {raw(8, 8), raw(288, 156), raw(568, 304), raw(848, 452), raw(1128, 600), raw(1288, 756),
          raw(1448, 912)}},
        {"osd", 31, 5, 5864, 5372, noPreparation,
         repeated({raw(288, 156), raw(304, 172), raw(464, 328), raw(624, 484), raw(784, 640),
                   raw(944, 796), str(960, 812, 129)},
                  4, 1080, 1060) +
             std::vector<Field>{raw(4608, 4396), raw(4624, 4412), raw(4784, 4568), raw(4944, 4724),
                                raw(5104, 4880), raw(5264, 5036), raw(5280, 5052), raw(5296, 5068),
                                raw(5312, 5084), raw(5592, 5232)}},
        {"network",
         37,
         6,
         3652,
         3072,
         noPreparation,
         {raw(824, 816), raw(848, 840, 12), raw(860, 852, 12), raw(872, 864, 12)}},
    };
}

void expectFieldMoved(const Field& f, const uint8_t* from, uint32_t fromOffset, const uint8_t* to,
                      uint32_t toOffset, const std::string& where) {
    if (f.move == Move::Text) {
        EXPECT_EQ(std::memcmp(to + toOffset, from + fromOffset, f.width - 1), 0) << where;
        EXPECT_EQ(to[toOffset + f.width - 1], 0) << where << ": text not cut by one byte";
    } else {
        EXPECT_EQ(std::memcmp(to + toOffset, from + fromOffset, f.width), 0) << where;
    }
}

TEST(ParamRecords, RepliesLandAtTheHostOffsets) {
    for (const RecordCase& c : replyCases()) {
        Bytes body = pattern(c.wireSize, c.id);
        c.prepare(body.data());
        const Bytes all = reply(head(c.wireSize, 1, c.command), body);
        Bytes host(c.hostSize, 0xEE);
        const NETSDK_CHANNEL pair{0, 1};
        ASSERT_EQ(_ParseBinaryBoy(&pair, all.data(), int(all.size()), c.id, host.data(),
                                  int(host.size())),
                  0)
            << c.name;
        for (const Field& f : c.fields) {
            expectFieldMoved(f, body.data(), f.wire, host.data(), f.host,
                             c.name + " host " + std::to_string(f.host));
        }
    }
}

TEST(ParamRecords, RequestsSendExactlyTheWrittenFields) {
    for (const RecordCase& c : requestCases()) {
        Bytes host = pattern(c.hostSize, c.id + 7);
        c.prepare(host.data());
        Bytes expected(c.wireSize, 0);
        for (const Field& f : c.fields) {
            if (f.move == Move::Constant) {
                putWord(expected.data() + f.wire, f.constant);
            } else {
                std::memcpy(expected.data() + f.wire, host.data() + f.host, f.width);
                if (f.move == Move::Text) {
                    expected[f.wire + f.width - 1] = 0;
                }
            }
        }
        Bytes out(16 + c.wireSize + 8, 0xEE);
        uint32_t length = uint32_t(out.size());
        const NETSDK_CHANNEL pair{0, 2};
        ASSERT_EQ(_MakeBinaryBoy(&pair, c.id, host.data(), int(host.size()), out.data(), &length),
                  0)
            << c.name;
        ASSERT_EQ(length, 16 + c.wireSize) << c.name;
        EXPECT_EQ(Bytes(out.begin(), out.begin() + 16), head(c.wireSize, 2, c.command)) << c.name;
        const Bytes body(out.begin() + 16, out.begin() + 16 + c.wireSize);
        for (size_t i = 0; i < body.size(); ++i) {
            if (body[i] != expected[i]) {
                ADD_FAILURE() << c.name << ": wire byte " << i << " is " << int(body[i])
                              << ", expected " << int(expected[i]);
                break;
            }
        }
    }
}

// ---- Edge cases of the records ---------------------------------------------------------------

// Reads body (of the id's wire length) into a fresh record of the id's host size.
template <typename Record>
Record readRecord(int id, uint16_t command, const Bytes& body, uint16_t channel = 1) {
    Record record;
    std::memset(&record, 0xEE, sizeof record);
    const Bytes all = reply(head(uint32_t(body.size()), channel, command), body);
    const NETSDK_CHANNEL pair{0, channel};
    EXPECT_EQ(_ParseBinaryBoy(&pair, all.data(), int(all.size()), id, &record, sizeof record), 0);
    return record;
}

template <typename Record>
Bytes writeRecord(int id, const Record& record) {
    Bytes out(16 * 1024, 0xEE);
    uint32_t length = uint32_t(out.size());
    const NETSDK_CHANNEL pair{0, 1};
    EXPECT_EQ(_MakeBinaryBoy(&pair, id, &record, sizeof record, out.data(), &length), 0);
    return Bytes(out.begin() + 16, out.begin() + length);
}

TEST(ParamRecords, ManualTimeReadLeavesTheNtpFieldsEmpty) {
    Bytes body = pattern(880, 3);
    timeMode(body.data(), 1);
    const auto time = readRecord<NETSDK_PARAM_TIME>(21, 12, body);
    EXPECT_EQ(time.manualTime, wordAt(body, 148));
    EXPECT_EQ(time.timeZone, wordAt(body, 152));
    EXPECT_EQ(time.ntpEnabled, 0);
    EXPECT_STREQ(time.ntpServer, "");
    EXPECT_EQ(time.ntpPort.value, 0);
    EXPECT_EQ(time.ntpPeriod.value, 0);
}

TEST(ParamRecords, NtpTimeWriteSendsNoTimeZone) {
    NETSDK_PARAM_TIME time = {};
    time.mode.value = 0;
    time.timeZone = 8;
    time.manualTime = 12345;
    std::strcpy(time.ntpServer, "pool.example");
    time.ntpPort.value = 123;
    const Bytes body = writeRecord(21, time);
    EXPECT_EQ(wordAt(body, 152), 0);
    EXPECT_EQ(wordAt(body, 148), 0);
    EXPECT_EQ(wordAt(body, 156), 1);
    EXPECT_STREQ(reinterpret_cast<const char*>(body.data() + 172), "pool.example");
    EXPECT_EQ(wordAt(body, 576), 123);
}

TEST(ParamRecords, UserReadHasNoPasswordsAndDeleteSendsThePassword) {
    Bytes body = pattern(724, 9);
    const auto users = readRecord<NETSDK_PARAM_USERS>(42, 14, body);
    EXPECT_EQ(users.action, 0);
    for (const NETSDK_USER_ENTRY& entry : users.users) {
        EXPECT_EQ(entry.password[0], '\0');
    }
    NETSDK_PARAM_USERS write = {};
    write.action = 2;
    std::strcpy(write.users[0].name, "guest");
    std::strcpy(write.users[0].password, "secret");
    const Bytes sent = writeRecord(42, write);
    EXPECT_EQ(wordAt(sent, 0), 2);
    EXPECT_STREQ(reinterpret_cast<const char*>(sent.data() + 36), "secret");
}

TEST(ParamRecords, DnsAddressesTravelFirstOctetFirst) {
    Bytes body(24, 0);
    const uint8_t primary[] = {192, 168, 1, 1};
    std::memcpy(body.data() + 8, primary, 4);
    const auto dns = readRecord<NETSDK_PARAM_DNS>(38, 7, body);
    EXPECT_EQ(Bytes(dns.primary.address, dns.primary.address + 4), Bytes({0xC0, 0xA8, 1, 1}));
}

TEST(ParamRecords, OsdTitleTwoShownTravelsAtItsWireOffset) {
    NETSDK_PARAM_OSD osd = {};
    osd.titles[2].shown.value = 1;
    std::strcpy(osd.titles[3].text, "Gate 4");
    const Bytes body = writeRecord(31, osd);
    EXPECT_EQ(wordAt(body, 2276), 1);
    EXPECT_STREQ(reinterpret_cast<const char*>(body.data() + 812 + 3 * 1060), "Gate 4");
}

TEST(ParamRecords, NetworkWriteNeverSendsTheMac) {
    NETSDK_PARAM_NETWORK network = {};
    network.dhcp = 1;
    const uint8_t mac[] = {0x00, 0x12, 0x34, 0x56, 0x78, 0x9A};
    std::memcpy(network.mac, mac, 6);
    const uint8_t address[] = {10, 77, 1, 10};
    std::memcpy(network.ip.address, address, 4);
    const Bytes body = writeRecord(37, network);
    EXPECT_EQ(Bytes(body.begin() + 832, body.begin() + 838), Bytes(6, 0));
    EXPECT_EQ(wordAt(body, 816), 1);
    EXPECT_EQ(Bytes(body.begin() + 848, body.begin() + 852), Bytes(address, address + 4));
}

// ---- Value lists ---------------------------------------------------------------------------

struct ListCase {
    std::string name;
    std::vector<int32_t> wire;  // count word first
    std::vector<int32_t> host;  // expected distinct values
};

TEST(ParamLists, KeepDistinctValuesInOrderWithinTheirPlaces) {
    std::vector<int32_t> many(33);
    many[0] = 32;
    for (int i = 1; i <= 32; ++i) {
        many[i] = 1000 + i;
    }
    std::vector<int32_t> manyExpected(many.begin() + 1, many.end());
    std::vector<int32_t> overCount = many;
    overCount[0] = 1 << 30;
    const ListCase cases[] = {
        {"duplicates", {4, 18, 0, 18, 2}, {18, 0, 2}},
        {"empty", {0}, {}},
        {"negative count", {-5, 1, 2}, {}},
        {"full", many, manyExpected},
        {"count beyond the places", overCount, manyExpected},
    };
    for (const ListCase& c : cases) {
        Bytes body(1060, 0);
        // The resolution slot of the video encoder record: list count at wire 296 + 16.
        std::memcpy(body.data() + 312, c.wire.data(), c.wire.size() * 4);
        const auto encode = readRecord<NETSDK_PARAM_VIDEO_ENCODE>(32, 3, body);
        ASSERT_EQ(encode.resolution.count, int32_t(c.host.size())) << c.name;
        EXPECT_EQ(
            std::vector<int32_t>(encode.resolution.list, encode.resolution.list + c.host.size()),
            c.host)
            << c.name;
    }
}

TEST(ParamLists, TimeSegmentConvertsItsFourRanges) {
    Bytes wire(640, 0);
    putWord(wire.data() + 8, 1);
    const int32_t list[] = {2, 7, 7};
    std::memcpy(wire.data() + 16 + 3 * 156 + 24, list, sizeof list);
    NETSDK_TIME_SEGMENT segment;
    std::memset(&segment, 0, sizeof segment);
    ASSERT_EQ(_ConvTimeSegment(wire.data(), reinterpret_cast<uint8_t*>(&segment)), 0);
    EXPECT_EQ(segment.head.value, 1);
    EXPECT_EQ(segment.ranges[3].count, 1);
    EXPECT_EQ(segment.ranges[3].list[0], 7);
    EXPECT_EQ(_ConvTimeSegment(nullptr, reinterpret_cast<uint8_t*>(&segment)), -1);
}

// ---- Refused replies and writes --------------------------------------------------------------

Bytes withByte(Bytes bytes, size_t at, uint8_t value) {
    bytes[at] = value;
    return bytes;
}

struct RefusedReply {
    std::string name;
    int id;
    uint16_t requestChannel;
    Bytes head;
    size_t bodyBytes;
    int recordSize;
};

TEST(ParamRefusals, BadRepliesLeaveTheRecordUnchanged) {
    const RefusedReply cases[] = {
        {"another command", 31, 1, head(880, 1, 12), 880, 5864},
        {"wrong channel for the encoder", 32, 1, head(1060, 0, 3), 1060, 1600},
        {"short body", 21, 1, head(880, 1, 12), 879, 1024},
        {"wrong body length", 21, 1, head(870, 1, 12), 880, 1024},
        {"wrong record size", 21, 1, head(880, 1, 12), 880, 1000},
        {"bad magic", 21, 1, withByte(head(880, 1, 12), 3, 'X'), 880, 1024},
        {"bad version", 21, 1, withByte(head(880, 1, 12), 9, 0x04), 880, 1024},
        {"unused command", 21, 1, head(880, 1, 16), 880, 1024},
        {"head cut short", 21, 1, Bytes(10, 'K'), 0, 1024},
    };
    for (const RefusedReply& c : cases) {
        const Bytes all = reply(c.head, pattern(c.bodyBytes, 1));
        Bytes record(16 * 1024, 0xAB);
        const NETSDK_CHANNEL pair{0, c.requestChannel};
        EXPECT_EQ(
            _ParseBinaryBoy(&pair, all.data(), int(all.size()), c.id, record.data(), c.recordSize),
            -1)
            << c.name;
        EXPECT_EQ(record, Bytes(16 * 1024, 0xAB)) << c.name;
    }
}

TEST(ParamRefusals, ChannelMismatchPassesForOtherRecords) {
    const Bytes all = reply(head(880, 0, 12), Bytes(880, 0));
    NETSDK_PARAM_TIME time;
    const NETSDK_CHANNEL pair{0, 1};
    EXPECT_EQ(_ParseBinaryBoy(&pair, all.data(), int(all.size()), 21, &time, sizeof time), 0);
}

TEST(ParamRefusals, WritesWithoutABodyOrWithTheWrongRecordSendNothing) {
    const NETSDK_CHANNEL pair{0, 1};
    Bytes out(8192, 0xEE);
    NETSDK_PARAM_TIME time = {};
    struct Case {
        int id;
        int size;
        uint32_t room;
    } refused[] = {{21, 1000, 8192}, {21, 1024, 16 + 879}, {20, 1552, 8192},
                   {23, 5088, 8192}, {24, 48, 8192},       {5, 4, 8192}};
    Bytes scratch(8192, 0);
    for (const Case& c : refused) {
        uint32_t length = c.room;
        EXPECT_EQ(_MakeBinaryBoy(&pair, c.id, scratch.data(), c.size, out.data(), &length), -1)
            << c.id;
    }
    for (int id : {2, 3, 15}) {
        uint32_t length = 64;
        const int32_t one = 1;
        EXPECT_EQ(_MakeBinaryBoy(&pair, id, &one, 1, out.data(), &length), 0) << id;
        EXPECT_EQ(length, 0u);
        EXPECT_EQ(Bytes(out.begin(), out.begin() + 64), Bytes(64, 0));
    }
    uint32_t length = 8192;
    EXPECT_EQ(_MakeBinaryBoy(&pair, 21, &time, sizeof time, nullptr, &length), -1);
}

}  // namespace
