#include "http/http_response_parser.h"

#include <strings.h>

#include <cctype>
#include <cstring>

namespace {

// A camera's answer has a dozen headers; the cap keeps a flood of tiny header lines from
// costing far more memory than the head text itself.
constexpr size_t kMaxHeaders = 10000;
// The longest protocol name of a status line ("HTTP", or "ICY" from some streamers).
constexpr size_t kMaxProtocolName = 16;

constexpr const char* kBlanks = " \t";

std::string trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string::npos) {
        return std::string();
    }
    const size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads 1 to 3 decimal digits at text[*at]; -1 when there are none or more.
int readSmallNumber(const std::string& text, size_t* at) {
    int value = 0;
    size_t digits = 0;
    while (*at < text.size() && isDigit(text[*at])) {
        if (++digits > 3) {
            return -1;
        }
        value = value * 10 + (text[*at] - '0');
        ++*at;
    }
    return digits == 0 ? -1 : value;
}

// Parses a decimal body length; 0, HTTP_ERROR_MALFORMED or HTTP_ERROR_TOO_LARGE.
int parseLength(const std::string& text, int64_t* length) {
    if (text.empty()) {
        return HTTP_ERROR_MALFORMED;
    }
    uint64_t value = 0;
    for (char c : text) {
        if (!isDigit(c)) {
            return HTTP_ERROR_MALFORMED;
        }
        value = value * 10 + static_cast<uint64_t>(c - '0');
        // Checked digit by digit: no overflow, and no length the body store cannot hold.
        if (value > HttpBuffer::kLimit) {
            return HTTP_ERROR_TOO_LARGE;
        }
    }
    *length = static_cast<int64_t>(value);
    return 0;
}

bool hasNoBody(int status) {
    return (status >= 100 && status <= 199) || status == 204 || status == 304;
}

}  // namespace

void HttpResponseParser::reset() {
    phase_ = Phase::StatusLine;
    headText_.clear();
    lineStart_ = 0;
    protocol_.clear();
    major_ = minor_ = status_ = 0;
    reason_.clear();
    headers_.clear();
    contentLength_ = -1;
    connectionClose_ = false;
    framing_ = Framing::None;
    bodyLeft_ = 0;
    chunks_.reset();
}

const std::string* HttpResponseParser::header(const char* name) const {
    for (auto it = headers_.rbegin(); it != headers_.rend(); ++it) {
        if (::strcasecmp(it->name.c_str(), name) == 0) {
            return &it->value;
        }
    }
    return nullptr;
}

int HttpResponseParser::input(const char* data, int* length) {
    if (length == nullptr || *length < 0 || (data == nullptr && *length > 0)) {
        return HTTP_ERROR_MALFORMED;
    }
    const size_t total = static_cast<size_t>(*length);
    if (total > HttpBuffer::kLimit) {
        return HTTP_ERROR_TOO_LARGE;
    }
    size_t at = 0;
    // Each round consumes bytes or moves to a later phase.
    while (at < total && phase_ != Phase::Done) {
        size_t consumed = 0;
        const int result = headComplete() ? inputBody(data + at, total - at, &consumed)
                                          : inputHead(data + at, total - at, &consumed);
        at += consumed;
        if (result < 0) {
            *length = static_cast<int>(total - at);
            return result;
        }
    }
    *length = static_cast<int>(total - at);
    return complete() ? kComplete : headComplete() ? kInBody : kInHead;
}

int HttpResponseParser::finish() {
    if (phase_ == Phase::Body && framing_ == Framing::ToClose) {
        phase_ = Phase::Done;
    }
    return complete() ? static_cast<int>(kComplete) : HTTP_ERROR_MALFORMED;
}

int HttpResponseParser::inputHead(const char* data, size_t length, size_t* consumed) {
    const void* lineFeed = std::memchr(data, '\n', length);
    const size_t take = lineFeed == nullptr
                            ? length
                            : static_cast<size_t>(static_cast<const char*>(lineFeed) - data) + 1;
    const int stored = headText_.append(data, take);
    if (stored < 0) {
        return stored;
    }
    *consumed = take;
    if (lineFeed == nullptr) {
        return 0;
    }
    size_t lineLength = headText_.size() - lineStart_ - 1;
    const char* line = headText_.data() + lineStart_;
    if (lineLength > 0 && line[lineLength - 1] == '\r') {
        --lineLength;
    }
    lineStart_ = headText_.size();
    return parseLine(line, lineLength);
}

int HttpResponseParser::parseLine(const char* line, size_t length) {
    const std::string text(line, length);
    if (phase_ == Phase::StatusLine) {
        return parseStatusLine(text);
    }
    return text.empty() ? endHead() : parseHeaderLine(text);
}

int HttpResponseParser::parseStatusLine(const std::string& line) {
    // "HTTP/1.1 200 OK": protocol name, "/", major, ".", minor, blank, status, reason.
    size_t at = line.find_first_not_of(kBlanks);
    const size_t wordEnd = line.find_first_of(kBlanks, at);
    if (at == std::string::npos || wordEnd == std::string::npos || wordEnd - at <= 4) {
        return HTTP_ERROR_MALFORMED;
    }
    const size_t slash = line.find('/', at);
    if (slash == std::string::npos || slash == at || slash > wordEnd ||
        slash - at > kMaxProtocolName) {
        return HTTP_ERROR_MALFORMED;
    }
    protocol_ = line.substr(at, slash - at);
    at = slash + 1;
    major_ = readSmallNumber(line, &at);
    if (major_ < 0 || at >= line.size() || line[at] != '.') {
        return HTTP_ERROR_MALFORMED;
    }
    ++at;
    minor_ = readSmallNumber(line, &at);
    if (minor_ < 0 || at != wordEnd) {
        return HTTP_ERROR_MALFORMED;
    }
    at = line.find_first_not_of(kBlanks, at);
    const size_t statusStart = at;
    status_ = at == std::string::npos ? -1 : readSmallNumber(line, &at);
    if (status_ < 100 || at - statusStart != 3 ||
        (at < line.size() && line[at] != ' ' && line[at] != '\t')) {
        return HTTP_ERROR_MALFORMED;
    }
    reason_ = trimmed(line.substr(at));
    phase_ = Phase::Headers;
    return 0;
}

int HttpResponseParser::parseHeaderLine(const std::string& line) {
    if (line[0] == ' ' || line[0] == '\t') {
        // A continuation line: its line break becomes a blank in the previous value.
        if (headers_.empty()) {
            return HTTP_ERROR_MALFORMED;
        }
        const std::string more = trimmed(line);
        std::string& value = headers_.back().value;
        if (!more.empty()) {
            value += value.empty() ? more : " " + more;
        }
        return 0;
    }
    const size_t colon = line.find(':');
    const std::string name =
        colon == std::string::npos ? std::string() : trimmed(line.substr(0, colon));
    if (name.empty()) {
        return HTTP_ERROR_MALFORMED;
    }
    if (headers_.size() >= kMaxHeaders) {
        return HTTP_ERROR_TOO_LARGE;
    }
    headers_.push_back({name, trimmed(line.substr(colon + 1))});
    return 0;
}

int HttpResponseParser::endHead() {
    bool chunked = false;
    for (const HttpHeader& h : headers_) {
        if (::strcasecmp(h.name.c_str(), "Content-Length") == 0) {
            int64_t length = -1;
            const int parsed = parseLength(h.value, &length);
            if (parsed < 0) {
                return parsed;
            }
            // Two different lengths leave the body's end unknown.
            if (contentLength_ >= 0 && contentLength_ != length) {
                return HTTP_ERROR_MALFORMED;
            }
            contentLength_ = length;
        } else if (::strcasecmp(h.name.c_str(), "Connection") == 0) {
            connectionClose_ = connectionClose_ || ::strcasecmp(h.value.c_str(), "close") == 0;
        } else if (::strcasecmp(h.name.c_str(), "Transfer-Encoding") == 0) {
            chunked = chunked || ::strncasecmp(h.value.c_str(), "chunked", 7) == 0;
        }
    }
    if (chunked) {
        contentLength_ = -1;  // chunked framing wins over any length
    }
    // These statuses never carry a body, whatever length they announce.
    if (hasNoBody(status_)) {
        framing_ = Framing::None;
    } else if (chunked) {
        framing_ = Framing::Chunked;
    } else if (contentLength_ >= 0) {
        framing_ = contentLength_ > 0 ? Framing::Length : Framing::None;
        bodyLeft_ = static_cast<uint64_t>(contentLength_);
    } else if (protocol_ != "HTTP") {
        framing_ = Framing::None;
    } else {
        framing_ = Framing::ToClose;
    }
    phase_ = framing_ == Framing::None ? Phase::Done : Phase::Body;
    return 0;
}

int HttpResponseParser::deliver(const char* data, size_t length) {
    return sink_ ? sink_(data, length) : 0;
}

int HttpResponseParser::inputBody(const char* data, size_t length, size_t* consumed) {
    if (framing_ == Framing::Chunked) {
        const int result = chunks_.input(
            data, length, consumed,
            [this](const char* bytes, size_t count) { return deliver(bytes, count); });
        if (result == HttpChunkDecoder::kDone) {
            phase_ = Phase::Done;
        }
        return result < 0 ? result : 0;
    }
    size_t take = length;
    if (framing_ == Framing::Length && bodyLeft_ < take) {
        take = static_cast<size_t>(bodyLeft_);
    }
    const int delivered = deliver(data, take);
    if (delivered < 0) {
        return delivered;
    }
    *consumed = take;
    if (framing_ == Framing::Length) {
        bodyLeft_ -= take;
        if (bodyLeft_ == 0) {
            phase_ = Phase::Done;
        }
    }
    return 0;
}
