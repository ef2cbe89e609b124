// Parser of one HTTP/1.x answer: status line, header lines (with continuation lines) and a
// body framed by Content-Length, by chunked transfer coding or by the end of the connection.
// Body bytes go to a sink as they are decoded; the head is kept for lookups.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "http/http_buffer.h"
#include "http/http_chunked.h"

struct HttpHeader {
    std::string name;
    std::string value;
};

class HttpResponseParser {
public:
    // Receives body bytes; returns 0 or a negative error that ends parsing.
    using BodySink = std::function<int(const char* data, size_t length)>;

    enum Result { kComplete = 0, kInHead = 1, kInBody = 2 };

    void setBodySink(BodySink sink) { sink_ = std::move(sink); }

    // Forgets the previous answer.
    void reset();

    // Feeds *length bytes. Returns kComplete, kInHead, kInBody or a negative error
    // (HTTP_ERROR_MALFORMED, HTTP_ERROR_TOO_LARGE, HTTP_ERROR_NO_MEMORY, or the sink's).
    // *length is set to the bytes not consumed (those after a complete answer).
    int input(const char* data, int* length);

    // The connection has ended: kComplete when the answer is whole (a body that runs to the
    // end of the connection ends here), else HTTP_ERROR_MALFORMED.
    int finish();

    bool headComplete() const { return phase_ == Phase::Body || phase_ == Phase::Done; }
    bool complete() const { return phase_ == Phase::Done; }

    const std::string& protocol() const { return protocol_; }
    int majorVersion() const { return major_; }
    int minorVersion() const { return minor_; }
    int statusCode() const { return status_; }
    const std::string& reason() const { return reason_; }
    // The body length the answer announced, or -1 (none given, or chunked).
    int64_t contentLength() const { return contentLength_; }
    bool connectionClose() const { return connectionClose_; }
    // The value of the last header of that name (letter case ignored), or null.
    const std::string* header(const char* name) const;

private:
    enum class Phase { StatusLine, Headers, Body, Done };
    enum class Framing { None, Length, Chunked, ToClose };

    int inputHead(const char* data, size_t length, size_t* consumed);
    int inputBody(const char* data, size_t length, size_t* consumed);
    int parseLine(const char* line, size_t length);
    int parseStatusLine(const std::string& line);
    int parseHeaderLine(const std::string& line);
    int endHead();
    int deliver(const char* data, size_t length);

    BodySink sink_;
    Phase phase_ = Phase::StatusLine;
    HttpBuffer headText_;
    size_t lineStart_ = 0;
    std::string protocol_;
    int major_ = 0;
    int minor_ = 0;
    int status_ = 0;
    std::string reason_;
    std::vector<HttpHeader> headers_;
    int64_t contentLength_ = -1;
    bool connectionClose_ = false;
    Framing framing_ = Framing::None;
    uint64_t bodyLeft_ = 0;
    HttpChunkDecoder chunks_;
};
