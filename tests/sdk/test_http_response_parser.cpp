#include <gtest/gtest.h>

#include <string>

#include "http/http_response_parser.h"

namespace {

// Feeds a whole answer to a fresh parser, in pieces of pieceSize bytes (0: all at once),
// and keeps the body it decodes.
struct Parsed {
    int result = 0;
    int unconsumed = 0;
    std::string body;
    HttpResponseParser parser;
};

void feed(Parsed* out, const std::string& answer, size_t pieceSize = 0) {
    out->parser.setBodySink([out](const char* data, size_t length) {
        out->body.append(data, length);
        return 0;
    });
    const size_t step = pieceSize == 0 ? answer.size() : pieceSize;
    for (size_t at = 0; at < answer.size(); at += step) {
        int length = static_cast<int>(std::min(step, answer.size() - at));
        out->result = out->parser.input(answer.data() + at, &length);
        out->unconsumed = length;
        if (out->result <= 0) {
            return;
        }
    }
}

struct AnswerCase {
    const char* name;
    std::string answer;
    int result;  // after the whole answer was fed
    int status;
    std::string body;
    int64_t contentLength;
};

const AnswerCase kAnswers[] = {
    {"length", "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhello", 0, 200, "hello", 5},
    {"bareLineFeeds", "HTTP/1.0 200 OK\nContent-Length: 2\n\nhi", 0, 200, "hi", 2},
    {"noReason", "HTTP/1.1 200\r\nContent-Length: 0\r\n\r\n", 0, 200, "", 0},
    {"chunked", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n4\r\nWiki\r\n0\r\n\r\n", 0,
     200, "Wiki", -1},
    {"chunkedWinsOverLength",
     "HTTP/1.1 200 OK\r\nContent-Length: 3\r\nTransfer-Encoding: chunked\r\n\r\n"
     "4\r\nWiki\r\n5;ext=1\r\npedia\r\n0\r\nTrailer: x\r\n\r\n",
     0, 200, "Wikipedia", -1},
    {"chunkedUpperHex",
     "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nA\r\n0123456789\r\n0\r\n\r\n", 0, 200,
     "0123456789", -1},
    {"noContent", "HTTP/1.1 204 No Content\r\n\r\n", 0, 204, "", -1},
    {"notModifiedWithLength", "HTTP/1.1 304 Not Modified\r\nContent-Length: 50\r\n\r\n", 0, 304, "",
     50},
    {"interim", "HTTP/1.1 100 Continue\r\n\r\n", 0, 100, "", -1},
    {"otherProtocolNoBody", "ICY/1.0 200 OK\r\nicy-name: radio\r\n\r\n", 0, 200, "", -1},
    {"readsToClose", "HTTP/1.1 200 OK\r\n\r\nuntil the end", 2, 200, "until the end", -1},
    {"redirectIsFinal", "HTTP/1.1 302 Found\r\nLocation: /other\r\nContent-Length: 0\r\n\r\n", 0,
     302, "", 0},
    {"headStillOpen", "HTTP/1.1 200 OK\r\nContent-Le", 1, 200, "", -1},
    {"bodyStillOpen", "HTTP/1.1 200 OK\r\nContent-Length: 9\r\n\r\nabc", 2, 200, "abc", 9},
    // Malformed status lines.
    {"emptyStatusLine", "\r\n", -1, 0, "", -1},
    {"shortFirstWord", "HTT/ 200 OK\r\n", -1, 0, "", -1},
    {"noSlash", "HTTPX1.1 200 OK\r\n", -1, 0, "", -1},
    {"noMinorVersion", "HTTP/1 200 OK\r\n", -1, 0, "", -1},
    {"longProtocolName", "ABCDEFGHIJKLMNOPQ/1.1 200 OK\r\n", -1, 0, "", -1},
    {"noStatus", "HTTP/1.1 OK\r\n", -1, 0, "", -1},
    {"shortStatus", "HTTP/1.1 20 OK\r\n", -1, 0, "", -1},
    {"longStatus", "HTTP/1.1 2000 OK\r\n", -1, 0, "", -1},
    {"statusWithLetters", "HTTP/1.1 20x OK\r\n", -1, 0, "", -1},
    // Malformed header lines and lengths.
    {"headerWithoutColon", "HTTP/1.1 200 OK\r\nnonsense\r\n\r\n", -1, 200, "", -1},
    {"continuationFirst", "HTTP/1.1 200 OK\r\n more\r\n\r\n", -1, 200, "", -1},
    {"negativeLength", "HTTP/1.1 200 OK\r\nContent-Length: -1\r\n\r\n", -1, 200, "", -1},
    {"lengthWithLetters", "HTTP/1.1 200 OK\r\nContent-Length: 1x\r\n\r\n", -1, 200, "", -1},
    {"conflictingLengths", "HTTP/1.1 200 OK\r\nContent-Length: 1\r\nContent-Length: 2\r\n\r\n", -1,
     200, "", 1},
    {"lengthBeyondLimit", "HTTP/1.1 200 OK\r\nContent-Length: 67108865\r\n\r\n", -7, 200, "", -1},
    {"hugeLength", "HTTP/1.1 200 OK\r\nContent-Length: 99999999999999999999999\r\n\r\n", -7, 200,
     "", -1},
    // Malformed chunks.
    {"chunkSizeNotHex", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nx\r\n", -1, 200, "",
     -1},
    {"chunkSizeBadDigit", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n4g\r\n", -1, 200,
     "", -1},
    {"chunkSizeCarriageReturnAlone", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n4\rWiki",
     -1, 200, "", -1},
    {"chunkLongerThanSaid", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n2\r\nWiki\r\n",
     -1, 200, "Wi", -1},
    {"chunkBeyondLimit", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n4000001\r\n", -7,
     200, "", -1},
    {"chunkSizeOverflow",
     "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nffffffffffffffffffff\r\n", -7, 200, "",
     -1},
};

TEST(HttpResponseParser, ParsesAnswersWholeAndByteByByte) {
    for (const AnswerCase& c : kAnswers) {
        for (size_t pieceSize : {size_t(0), size_t(1)}) {
            Parsed parsed;
            feed(&parsed, c.answer, pieceSize);
            SCOPED_TRACE(std::string(c.name) + (pieceSize ? " byte by byte" : " whole"));
            EXPECT_EQ(parsed.result, c.result);
            EXPECT_EQ(parsed.body, c.body);
            if (parsed.parser.headComplete()) {
                EXPECT_EQ(parsed.parser.statusCode(), c.status);
                EXPECT_EQ(parsed.parser.contentLength(), c.contentLength);
            }
        }
    }
}

TEST(HttpResponseParser, ReadsTheStatusLineAndHeaders) {
    Parsed parsed;
    feed(&parsed,
         "  HTTP/1.0 404 Not  Found \r\nX-Long: first\r\n\tsecond\r\n  third\r\n"
         "connection: Close\r\nset-cookie: a=1\r\nSet-Cookie: b=2\r\n\r\n");
    const HttpResponseParser& p = parsed.parser;
    EXPECT_EQ(p.protocol(), "HTTP");
    EXPECT_EQ(p.majorVersion(), 1);
    EXPECT_EQ(p.minorVersion(), 0);
    EXPECT_EQ(p.statusCode(), 404);
    EXPECT_EQ(p.reason(), "Not  Found");
    ASSERT_NE(p.header("x-long"), nullptr);
    EXPECT_EQ(*p.header("x-long"), "first second third");
    EXPECT_TRUE(p.connectionClose());
    ASSERT_NE(p.header("SET-COOKIE"), nullptr);
    EXPECT_EQ(*p.header("SET-COOKIE"), "b=2");
    EXPECT_EQ(p.header("Location"), nullptr);
}

TEST(HttpResponseParser, LeavesBytesAfterTheAnswerUnconsumed) {
    Parsed parsed;
    feed(&parsed, "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nokEXTRA");
    EXPECT_EQ(parsed.result, 0);
    EXPECT_EQ(parsed.unconsumed, 5);
    EXPECT_EQ(parsed.body, "ok");
}

TEST(HttpResponseParser, EndOfConnection) {
    struct Case {
        std::string answer;
        int result;
    };
    const Case cases[] = {
        {"HTTP/1.1 200 OK\r\n\r\nbody to the end", 0},
        {"HTTP/1.1 200 OK\r\nContent-Length: 9\r\n\r\nshort", -1},
        {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n4\r\nWi", -1},
        {"HTTP/1.1 200 OK\r\n", -1},
        {"", -1},
    };
    for (const Case& c : cases) {
        Parsed parsed;
        feed(&parsed, c.answer);
        EXPECT_EQ(parsed.parser.finish(), c.result) << c.answer;
    }
}

TEST(HttpResponseParser, ResetForgetsThePreviousAnswer) {
    Parsed parsed;
    feed(&parsed, "HTTP/1.1 500 Oops\r\nContent-Length: 3\r\nLocation: /x\r\n\r\nbad");
    parsed.parser.reset();
    parsed.body.clear();
    const std::string next =
        "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n2\r\nok\r\n0\r\n\r\n";
    int length = static_cast<int>(next.size());
    EXPECT_EQ(parsed.parser.input(next.data(), &length), 0);
    EXPECT_EQ(parsed.body, "ok");
    EXPECT_EQ(parsed.parser.statusCode(), 200);
    EXPECT_EQ(parsed.parser.header("Location"), nullptr);
}

TEST(HttpResponseParser, SinkErrorsEndTheBody) {
    HttpResponseParser parser;
    parser.setBodySink([](const char*, size_t) { return -12; });
    const std::string answer = "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok";
    int length = static_cast<int>(answer.size());
    EXPECT_EQ(parser.input(answer.data(), &length), -12);
}

TEST(HttpResponseParser, HeadTextIsLimited) {
    HttpResponseParser parser;
    const std::string status = "HTTP/1.1 200 OK\r\n";
    int length = static_cast<int>(status.size());
    ASSERT_EQ(parser.input(status.data(), &length), 1);
    // One header line that never ends: 1 MiB pieces until the head passes 64 MiB.
    const std::string piece(1 << 20, 'a');
    int result = 1;
    for (int i = 0; i < 80 && result == 1; ++i) {
        length = static_cast<int>(piece.size());
        result = parser.input(piece.data(), &length);
    }
    EXPECT_EQ(result, -7);
}

TEST(HttpResponseParser, OnePieceIsLimited) {
    HttpResponseParser parser;
    int length = static_cast<int>(HttpBuffer::kLimit) + 1;
    // The length alone is refused; the bytes are never read.
    static const char byte = 'x';
    EXPECT_EQ(parser.input(&byte, &length), -7);
}

TEST(HttpBuffer, RefusesWhatPassesTheLimit) {
    HttpBuffer buffer;
    const std::string piece(1 << 20, 'b');
    for (int i = 0; i < 64; ++i) {
        ASSERT_EQ(buffer.append(piece.data(), piece.size()), 0) << i;
    }
    EXPECT_EQ(buffer.size(), HttpBuffer::kLimit);
    EXPECT_EQ(buffer.append("c", 1), -7);
    EXPECT_EQ(buffer.size(), HttpBuffer::kLimit);
    buffer.release();
    EXPECT_EQ(buffer.append("c", 1), 0);
}

}  // namespace
