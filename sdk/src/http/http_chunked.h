// Decoder of a chunked message body: size lines in hexadecimal (with optional extensions),
// chunk data, the closing zero-size chunk and an optional trailer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

class HttpChunkDecoder {
public:
    // Receives the body bytes; returns 0 or a negative error that ends decoding.
    using Sink = std::function<int(const char* data, size_t length)>;

    enum Result { kDone = 0, kNeedMore = 2 };

    void reset();

    // Decodes up to length bytes, handing chunk data to sink. *consumed tells how many bytes
    // belonged to the body. Returns kDone after the trailer, kNeedMore when the body goes on,
    // or a negative error: HTTP_ERROR_MALFORMED for a bad size or line end,
    // HTTP_ERROR_TOO_LARGE for a chunk larger than a body may be, or the sink's error.
    int input(const char* data, size_t length, size_t* consumed, const Sink& sink);

private:
    enum class State {
        SizeFirstDigit,
        SizeDigits,
        SizeExtension,
        SizeLineFeed,
        Data,
        DataCarriageReturn,
        DataLineFeed,
        TrailerLineStart,
        TrailerLine,
        TrailerLineFeed,
        Done,
    };

    // Takes one byte of the framing (everything but chunk data); 0 or an error.
    int step(char byte);
    int endSizeLine();

    State state_ = State::SizeFirstDigit;
    uint64_t chunkSize_ = 0;
    uint64_t chunkLeft_ = 0;
};
