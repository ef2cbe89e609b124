// The stream's wire format without a network: request bytes, frame headers, parameter sets,
// the frame reader fed from memory, and the buffered receiver over a local socket pair.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <vector>

#include "stream/frame_reader.h"
#include "stream/parameter_sets.h"
#include "stream/stream_receiver.h"
#include "stream/stream_wire.h"
#include "transport/socket_transport.h"

using namespace netsdk::stream;

namespace {

using Bytes = std::vector<uint8_t>;

void appendBig(Bytes& bytes, uint64_t value, int width) {
    for (int shift = (width - 1) * 8; shift >= 0; shift -= 8) {
        bytes.push_back(static_cast<uint8_t>(value >> shift));
    }
}

Bytes head(uint32_t length, uint16_t command, uint8_t byte12 = 0, uint8_t byte13 = 0,
           const char* magic = "KTVQ") {
    Bytes bytes(magic, magic + 4);
    appendBig(bytes, length, 4);
    appendBig(bytes, 0x0100, 2);
    appendBig(bytes, command, 2);
    bytes.push_back(byte12);
    bytes.push_back(byte13);
    bytes.resize(20, 0);
    return bytes;
}

Bytes mediaHeader(uint8_t payloadType, bool key, uint64_t timestamp, uint32_t frameWord,
                  uint32_t length, uint8_t first = '$') {
    Bytes bytes{first, 0, payloadType, static_cast<uint8_t>(key ? 1 : 0)};
    appendBig(bytes, timestamp, 8);
    appendBig(bytes, frameWord, 4);
    appendBig(bytes, length, 4);
    return bytes;
}

Bytes concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

// A description whose bytes are 1..20, so every word shows where it came from.
Bytes countingDescription() {
    Bytes bytes(20);
    for (size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<uint8_t>(i + 1);
    }
    return bytes;
}

// Plays the socket: hands out its bytes in order; past the end it reports a closed peer.
struct MemoryConnection {
    Bytes bytes;
    size_t position = 0;

    ExactReceive receiver() {
        return [this](uint8_t* buffer, int n, int /*timeoutMs*/) {
            if (position + static_cast<size_t>(n) > bytes.size()) {
                position = bytes.size();
                return 0;
            }
            std::memcpy(buffer, bytes.data() + position, static_cast<size_t>(n));
            position += static_cast<size_t>(n);
            return n;
        };
    }
};

// Records every delivery.
struct Deliveries {
    std::vector<NETSDK_FRAME_INFO> headers;
    std::vector<Bytes> payloads;
    std::vector<int> kinds;
    int answer = 0;

    Deliver deliver() {
        return [this](int kind, const uint8_t* block, int length) {
            NETSDK_FRAME_INFO header;
            std::memcpy(&header, block, sizeof header);
            headers.push_back(header);
            payloads.emplace_back(block + sizeof header, block + length);
            kinds.push_back(kind);
            return answer;
        };
    }
};

struct ReaderBench {
    Bytes description = countingDescription();
    ParameterSets sets{};
    std::vector<uint8_t> buffer = std::vector<uint8_t>(4096);
    MemoryConnection connection;
    Deliveries deliveries;

    FrameTarget target() { return {buffer.data(), buffer.size(), description.data(), &sets}; }
    FrameResult live() {
        return readLiveFrame(connection.receiver(), target(), deliveries.deliver());
    }
    FrameResult playback() {
        return readPlaybackFrame(connection.receiver(), target(), deliveries.deliver());
    }
};

const Bytes kSps = {0, 0, 0, 1, 0x67, 0x42, 0x00, 0x1E, 0xAB};
const Bytes kPps = {0, 0, 0, 1, 0x68, 0xCE, 0x38, 0x80};
const Bytes kSei = {0, 0, 0, 1, 0x06, 0x05, 0x01, 0x80};
const Bytes kIdr = {0, 0, 0, 1, 0x65, 0x88, 0x84, 0x00, 0x33};
const Bytes kSlice = {0, 0, 0, 1, 0x41, 0x9A, 0x02};

Bytes slot(const uint8_t* bytes, uint32_t length) {
    return Bytes(bytes, bytes + length);
}

}  // namespace

TEST(StreamRequest, LiveRequestCarriesTheLowBytesOfChannelAndStream) {
    struct Case {
        int32_t channel, stream;
        uint8_t byte20, byte21;
    };
    const Case cases[] = {
        {0, 0, 0, 0}, {0, 1, 0, 1}, {3, 2, 3, 2}, {255, 255, 255, 255}, {0x1234, -1, 0x34, 0xFF}};
    for (const Case& c : cases) {
        uint8_t request[kLiveRequestSize];
        makeLiveRequest(c.channel, c.stream, request);
        Bytes expected = head(120, 0);
        expected.resize(120, 0);
        expected[20] = c.byte20;
        expected[21] = c.byte21;
        EXPECT_EQ(Bytes(request, request + sizeof request), expected)
            << "channel " << c.channel << " stream " << c.stream;
    }
}

TEST(StreamRequest, PlaybackRequestCarriesTimesAndACutFileName) {
    uint8_t request[kPlaybackRequestSize];
    const std::string longName(80, 'f');
    makePlaybackRequest(1, 0, 0x01020304, -2, longName.c_str(), request);
    Bytes expected = head(192, 4, 1, 1);
    expected.resize(192, 0);
    expected[20] = 1;
    const Bytes times = {0x04, 0x03, 0x02, 0x01, 0xFE, 0xFF, 0xFF, 0xFF};
    std::copy(times.begin(), times.end(), expected.begin() + 120);
    std::fill(expected.begin() + 128, expected.begin() + 191, 'f');
    EXPECT_EQ(Bytes(request, request + sizeof request), expected);
}

TEST(FrameHeader, CodecAndMediaWordsFollowThePayloadType) {
    struct Case {
        uint8_t payloadType;
        bool key;
        uint32_t codec;
        uint32_t media[5];
    };
    const Case cases[] = {
        {96, true, NETSDK_CODEC_H264, {1, 77, 0x090A0B0C, 0x0D0E0F10, 0x11121314}},
        {97, false, NETSDK_CODEC_H265, {0, 77, 0x090A0B0C, 0x0D0E0F10, 0x11121314}},
        {8, false, NETSDK_CODEC_G711A, {0x05060708, 4, 3, 0, 0}},
        {0, false, NETSDK_CODEC_G711U, {0x05060708, 4, 3, 0, 0}},
        {104, false, NETSDK_CODEC_AUDIO_104, {0, 0, 0, 0, 0}},
    };
    const Bytes description = countingDescription();
    for (const Case& c : cases) {
        const Bytes media = mediaHeader(c.payloadType, c.key, 0x0102030405060708ull, 77, 1234);
        NETSDK_FRAME_INFO header{};
        ASSERT_EQ(CORE_STREAM_MakeMediaHeader(description.data(), media.data(), &header), 0);
        EXPECT_EQ(header.codec, c.codec) << int(c.payloadType);
        EXPECT_EQ(header.timestamp, 0x0102030405060708ull);
        EXPECT_EQ(header.timestamp2, 0x0102030405060708ull);
        EXPECT_EQ(header.length, 1234u);
        for (int word = 0; word < 5; ++word) {
            EXPECT_EQ(header.media[word], c.media[word]) << int(c.payloadType) << " word " << word;
        }
    }
}

TEST(FrameHeader, UnknownPayloadTypeAndNullArgumentsAreRefused) {
    const Bytes description(20, 0);
    const Bytes media = mediaHeader(33, false, 0, 0, 0);
    NETSDK_FRAME_INFO header{};
    EXPECT_EQ(CORE_STREAM_MakeMediaHeader(description.data(), media.data(), &header), -1);
    EXPECT_EQ(CORE_STREAM_MakeMediaHeader(nullptr, media.data(), &header), -1);
    EXPECT_EQ(CORE_STREAM_MakeMediaHeader(description.data(), media.data(), nullptr), -1);
}

TEST(ParameterSets, H264SetsRunFromTheirStartCodeToTheNext) {
    const Bytes frame = concat({kSps, kPps, kSei, kIdr});
    ParameterSets sets{};
    sets.vps.length = 5;  // left over from an H.265 stream: an H.264 key frame has none
    ASSERT_TRUE(updateParameterSets(NETSDK_CODEC_H264, frame.data(), frame.size(), sets));
    EXPECT_EQ(slot(sets.sps.bytes, sets.sps.length), kSps);
    EXPECT_EQ(slot(sets.pps.bytes, sets.pps.length), kPps);
    EXPECT_EQ(sets.vps.length, 0u);
}

TEST(ParameterSets, ThreeByteStartCodesAreKeptAsSent) {
    const Bytes sps = {0, 0, 1, 0x67, 0x42};
    const Bytes pps = {0, 0, 1, 0x68, 0xCE};
    const Bytes frame = concat({sps, pps, {0, 0, 1, 0x65, 0x88}});
    ParameterSets sets{};
    ASSERT_TRUE(updateParameterSets(NETSDK_CODEC_H264, frame.data(), frame.size(), sets));
    EXPECT_EQ(slot(sets.sps.bytes, sets.sps.length), sps);
    EXPECT_EQ(slot(sets.pps.bytes, sets.pps.length), pps);
}

TEST(ParameterSets, H265RandomAccessPicturesTakeVpsSpsAndPps) {
    const Bytes vps = {0, 0, 0, 1, 0x40, 0x01, 0x0C};
    const Bytes sps = {0, 0, 0, 1, 0x42, 0x01, 0x01, 0x60};
    const Bytes pps = {0, 0, 0, 1, 0x44, 0x01, 0xC1};
    // IDR_W_RADL, IDR_N_LP and CRA: a decoder can start on each of them.
    for (const uint8_t pictureType : {19, 20, 21}) {
        const Bytes picture = {0, 0, 0, 1, static_cast<uint8_t>(pictureType << 1), 0x01, 0xAF};
        const Bytes frame = concat({vps, sps, pps, picture});
        ParameterSets sets{};
        ASSERT_TRUE(updateParameterSets(NETSDK_CODEC_H265, frame.data(), frame.size(), sets))
            << int(pictureType);
        EXPECT_EQ(slot(sets.vps.bytes, sets.vps.length), vps);
        EXPECT_EQ(slot(sets.sps.bytes, sets.sps.length), sps);
        EXPECT_EQ(slot(sets.pps.bytes, sets.pps.length), pps);
    }
}

TEST(ParameterSets, UnusableKeyFramesLeaveTheStoredSetsAlone) {
    struct Case {
        const char* what;
        uint32_t codec;
        Bytes frame;
    };
    const Case cases[] = {
        {"no IDR", NETSDK_CODEC_H264, concat({kSps, kPps, kSlice})},
        {"start code in the last bytes", NETSDK_CODEC_H264, concat({kSps, kPps, {0, 0, 1}})},
        {"H.265 unit of another layer",
         NETSDK_CODEC_H265,
         {0, 0, 0, 1, 0x40, 0x09, 0, 0, 0, 1, 0x26, 0x01}},
        {"audio codec", NETSDK_CODEC_G711A, concat({kSps, kIdr})},
    };
    for (const Case& c : cases) {
        ParameterSets sets{};
        sets.sps.length = 2;
        sets.sps.bytes[0] = 0xAA;
        EXPECT_FALSE(updateParameterSets(c.codec, c.frame.data(), c.frame.size(), sets)) << c.what;
        EXPECT_EQ(sets.sps.length, 2u) << c.what;
        EXPECT_EQ(sets.sps.bytes[0], 0xAA) << c.what;
    }
}

TEST(ParameterSets, ASetLargerThanItsSlotIsNotStored) {
    Bytes bigSps = kSps;
    bigSps.resize(200, 0x55);  // 200 bytes, no start code inside
    const Bytes frame = concat({bigSps, kPps, kIdr});
    ParameterSets sets{};
    sets.sps.length = 3;  // an older set must not pass for this frame's
    ASSERT_TRUE(updateParameterSets(NETSDK_CODEC_H264, frame.data(), frame.size(), sets));
    EXPECT_EQ(sets.sps.length, 0u);
    EXPECT_EQ(slot(sets.pps.bytes, sets.pps.length), kPps);
}

TEST(FrameReader, LiveKeyFrameArrivesWithItsParameterSets) {
    ReaderBench bench;
    const Bytes payload = concat({kSps, kPps, kIdr});
    bench.connection.bytes =
        concat({head(40, 2), mediaHeader(96, true, 40, 9, payload.size()), payload, head(40, 2),
                mediaHeader(96, false, 80, 10, kSlice.size()), kSlice});
    ASSERT_EQ(bench.live().outcome, FrameOutcome::kDelivered);
    ASSERT_EQ(bench.live().outcome, FrameOutcome::kDelivered);
    ASSERT_EQ(bench.deliveries.payloads.size(), 2u);
    EXPECT_EQ(bench.deliveries.payloads[0], payload);
    EXPECT_EQ(bench.deliveries.kinds[0], NETSDK_FRAME_LIVE);
    const NETSDK_FRAME_INFO& key = bench.deliveries.headers[0];
    EXPECT_EQ(slot(key.sps, key.spsLength), kSps);
    EXPECT_EQ(slot(key.pps, key.ppsLength), kPps);
    EXPECT_EQ(key.media[0], 1u);
    EXPECT_EQ(key.media[1], 9u);
    const NETSDK_FRAME_INFO& plain = bench.deliveries.headers[1];
    EXPECT_EQ(plain.spsLength, 0u);
    EXPECT_EQ(plain.ppsLength, 0u);
    EXPECT_EQ(bench.deliveries.payloads[1], kSlice);
}

TEST(FrameReader, BrokenFramesEndWithoutReadingOn) {
    struct Case {
        const char* what;
        Bytes bytes;
        FrameOutcome outcome;
        size_t bytesRead;  // how far the reader went
    };
    const Bytes media5 = mediaHeader(96, false, 0, 0, 5);
    const Bytes payload5 = {1, 2, 3, 4, 5};
    const Case cases[] = {
        {"bad magic", concat({head(40, 2, 0, 0, "QVTK"), media5, payload5}),
         FrameOutcome::kFormatError, 20},
        {"bad length", concat({head(44, 2), media5, payload5}), FrameOutcome::kFormatError, 20},
        {"no dollar", concat({head(40, 2), mediaHeader(96, false, 0, 0, 5, '#'), payload5}),
         FrameOutcome::kFormatError, 40},
        {"payload larger than the buffer",
         concat({head(40, 2), mediaHeader(96, false, 0, 0, 4096 - 448 + 1), payload5}),
         FrameOutcome::kFormatError, 40},
        {"length near 2^31", concat({head(40, 2), mediaHeader(96, false, 0, 0, 0x7FFFFFF0)}),
         FrameOutcome::kFormatError, 40},
        {"length near 2^32", concat({head(40, 2), mediaHeader(96, false, 0, 0, 0xFFFFFF00)}),
         FrameOutcome::kFormatError, 40},
        {"closed in the head", {'K', 'T'}, FrameOutcome::kLost, 2},
        {"closed in the payload", concat({head(40, 2), media5, {1, 2}}), FrameOutcome::kLost, 42},
        {"command 3 head", concat({head(40, 3), head(40, 2), media5, payload5}),
         FrameOutcome::kSkipped, 20},
        {"unknown payload type", concat({head(40, 2), mediaHeader(50, false, 0, 0, 5), payload5}),
         FrameOutcome::kSkipped, 45},
    };
    for (const Case& c : cases) {
        ReaderBench bench;
        bench.connection.bytes = c.bytes;
        EXPECT_EQ(bench.live().outcome, c.outcome) << c.what;
        EXPECT_EQ(bench.connection.position, c.bytesRead) << c.what;
        EXPECT_TRUE(bench.deliveries.payloads.empty()) << c.what;
    }
}

TEST(FrameReader, TheCallbacksAnswerBecomesTheResult) {
    ReaderBench bench;
    bench.deliveries.answer = 7;
    bench.connection.bytes = concat({head(40, 2), mediaHeader(8, false, 0, 0, 3), {1, 2, 3}});
    const FrameResult result = bench.live();
    EXPECT_EQ(result.outcome, FrameOutcome::kDelivered);
    EXPECT_EQ(result.answer, 7);
}

TEST(FrameReader, PlaybackFrameDropsItsExtraBlockAndUsesItsOwnDescription) {
    ReaderBench bench;
    Bytes ownDescription(20, 0);
    ownDescription[11] = 0x2A;  // description word 8..11
    const Bytes payload = {9, 8, 7};
    bench.connection.bytes =
        concat({head(80, 6, 1, 2), mediaHeader(96, false, 0, 0, payload.size()), ownDescription,
                Bytes(20, 0xEE), payload});
    ASSERT_EQ(bench.playback().outcome, FrameOutcome::kDelivered);
    ASSERT_EQ(bench.deliveries.payloads.size(), 1u);
    EXPECT_EQ(bench.deliveries.payloads[0], payload);
    EXPECT_EQ(bench.deliveries.kinds[0], NETSDK_FRAME_PLAYBACK);
    EXPECT_EQ(bench.deliveries.headers[0].media[2], 0x2Au);
}

TEST(FrameReader, PlaybackFramesOutOfStepAreRefused) {
    struct Case {
        const char* what;
        Bytes head;
    };
    const Case cases[] = {
        {"shorter than a playback frame", head(59, 6)},
        {"extra block beyond the cap", head(60 + kMaxPlaybackExtra + 1, 6, 1, 2)},
        {"extra block of almost 4 GiB", head(0xFFFFFFF0, 6, 1, 2)},
    };
    for (const Case& c : cases) {
        ReaderBench bench;
        bench.connection.bytes =
            concat({c.head, mediaHeader(96, false, 0, 0, 1), Bytes(20, 0), Bytes(64, 0)});
        EXPECT_EQ(bench.playback().outcome, FrameOutcome::kFormatError) << c.what;
    }
}

namespace {

// A connection whose camera end the test writes: a local socket pair, closed with the bench.
struct SocketPair {
    int camera = -1;
    int client = -1;

    SocketPair() {
        int ends[2];
        if (::socketpair(AF_UNIX, SOCK_STREAM, 0, ends) == 0) {
            camera = ends[0];
            client = ends[1];
        }
    }
    ~SocketPair() {
        closeCamera();
        if (client != -1) {
            ::close(client);
        }
    }
    void write(const Bytes& bytes) const {
        ASSERT_EQ(::write(camera, bytes.data(), bytes.size()), ssize_t(bytes.size()));
    }
    void closeCamera() {
        if (camera != -1) {
            ::close(camera);
            camera = -1;
        }
    }
};

// The frame reader over a StreamReceiver. The camera's bytes go out in pieces, the next one
// only when the reader asks for more than has gone out, so every piece boundary is a place
// where one receive ends and the next begins.
struct ReceiverBench {
    explicit ReceiverBench(size_t capacity) : receiver(capacity) {
        receiver.attach(connection.client);
    }

    ExactReceive receive() {
        return [this](uint8_t* out, int n, int timeoutMs) {
            while (written - taken < size_t(n) && next < pieces.size()) {
                connection.write(pieces[next]);
                written += pieces[next++].size();
            }
            const int got = receiver.receive(out, n, timeoutMs);
            taken += got > 0 ? size_t(got) : 0;
            return got;
        };
    }
    FrameTarget target() { return {buffer.data(), buffer.size(), description.data(), &sets}; }
    FrameResult live() { return readLiveFrame(receive(), target(), deliveries.deliver()); }

    // Cuts bytes at the given offsets into the pieces to send.
    void sendInPieces(const Bytes& bytes, std::vector<size_t> cuts) {
        cuts.push_back(bytes.size());
        size_t from = 0;
        for (const size_t cut : cuts) {
            pieces.emplace_back(bytes.begin() + from, bytes.begin() + cut);
            from = cut;
        }
    }

    SocketPair connection;
    StreamReceiver receiver;
    std::vector<Bytes> pieces;
    size_t next = 0;
    size_t written = 0;
    size_t taken = 0;
    Bytes description = countingDescription();
    ParameterSets sets{};
    std::vector<uint8_t> buffer = std::vector<uint8_t>(4096);
    Deliveries deliveries;
};

Bytes liveFrame(uint8_t payloadType, bool key, uint64_t timestamp, const Bytes& payload) {
    return concat(
        {head(40, 2), mediaHeader(payloadType, key, timestamp, 0, payload.size()), payload});
}

}  // namespace

TEST(StreamReceiver, FramesCutAnywhereArriveWhole) {
    const Bytes keyPayload = concat({kSps, kPps, kIdr});
    Bytes fullPayload(4096 - sizeof(NETSDK_FRAME_INFO));  // fills the frame buffer exactly
    for (size_t i = 0; i < fullPayload.size(); ++i) {
        fullPayload[i] = uint8_t(i * 7);
    }
    const Bytes first = liveFrame(96, true, 0, keyPayload);
    const Bytes second = liveFrame(96, false, 40, fullPayload);
    const Bytes stream = concat({first, second, liveFrame(8, false, 80, {1, 2, 3})});
    std::vector<size_t> everyHeadByte;  // of the second frame, up to its first payload byte
    for (size_t offset = first.size() + 1; offset <= first.size() + 41; ++offset) {
        everyHeadByte.push_back(offset);
    }
    struct Case {
        const char* what;
        std::vector<size_t> cuts;
    };
    const Case cases[] = {
        {"all frames in one piece", {}},
        {"head split", {first.size() + 7}},
        {"media header split", {first.size() + 29}},
        {"payload split", {first.size() + 40 + 1000}},
        {"every head byte its own piece", everyHeadByte},
    };
    // Smaller than a payload, so payloads go straight to their place; and room for everything.
    for (const size_t capacity : {size_t(64), size_t(65536)}) {
        for (const Case& c : cases) {
            ReceiverBench bench(capacity);
            bench.sendInPieces(stream, c.cuts);
            for (int frame = 0; frame < 3; ++frame) {
                ASSERT_EQ(bench.live().outcome, FrameOutcome::kDelivered)
                    << c.what << ", capacity " << capacity << ", frame " << frame;
            }
            const std::vector<Bytes> payloads = {keyPayload, fullPayload, {1, 2, 3}};
            EXPECT_EQ(bench.deliveries.payloads, payloads) << c.what << ", capacity " << capacity;
            const NETSDK_FRAME_INFO& key = bench.deliveries.headers[0];
            EXPECT_EQ(slot(key.sps, key.spsLength), kSps) << c.what;
            EXPECT_EQ(bench.deliveries.headers[2].codec, NETSDK_CODEC_G711A) << c.what;
            bench.connection.closeCamera();
            EXPECT_EQ(bench.live().outcome, FrameOutcome::kLost) << c.what;
        }
    }
}

TEST(StreamReceiver, PeerEndsAndSilenceAreReported) {
    struct Case {
        const char* what;
        Bytes sent;
        bool close;
        int result;
    };
    const Case cases[] = {
        {"closed before anything", {}, true, 0},
        {"closed within the part", {1, 2, 3}, true, 0},
        {"silent", {}, false, SOCKET_TIMED_OUT},
        {"silent within the part", {1, 2, 3}, false, SOCKET_TIMED_OUT},
    };
    for (const Case& c : cases) {
        SocketPair connection;
        StreamReceiver receiver(64);
        receiver.attach(connection.client);
        connection.write(c.sent);
        if (c.close) {
            connection.closeCamera();
        }
        uint8_t part[20];
        EXPECT_EQ(receiver.receive(part, sizeof part, 50), c.result) << c.what;
    }
}

TEST(StreamReceiver, ANewConnectionStartsWithNothingOfTheOld) {
    const Bytes oldFrame = liveFrame(8, false, 0, {1, 2, 3});
    SocketPair oldConnection;
    SocketPair newConnection;
    StreamReceiver receiver(4096);
    receiver.attach(oldConnection.client);
    oldConnection.write(concat({oldFrame, oldFrame}));
    uint8_t part[20];
    ASSERT_EQ(receiver.receive(part, sizeof part, 1000), 20);
    ASSERT_GT(receiver.buffered(), 0u) << "one receive takes more than the part asked for";

    receiver.attach(newConnection.client);
    EXPECT_EQ(receiver.buffered(), 0u);
    const Bytes fresh = {9, 8, 7, 6};
    newConnection.write(fresh);
    uint8_t got[4];
    ASSERT_EQ(receiver.receive(got, sizeof got, 1000), 4);
    EXPECT_EQ(Bytes(got, got + 4), fresh);
}
