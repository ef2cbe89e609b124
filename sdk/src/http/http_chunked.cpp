#include "http/http_chunked.h"

#include <algorithm>

#include "http/http_buffer.h"

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

}  // namespace

void HttpChunkDecoder::reset() {
    state_ = State::SizeFirstDigit;
    chunkSize_ = 0;
    chunkLeft_ = 0;
}

int HttpChunkDecoder::endSizeLine() {
    if (chunkSize_ == 0) {
        state_ = State::TrailerLineStart;
    } else {
        chunkLeft_ = chunkSize_;
        state_ = State::Data;
    }
    return 0;
}

int HttpChunkDecoder::step(char byte) {
    switch (state_) {
        case State::SizeFirstDigit:
        case State::SizeDigits: {
            const int digit = hexValue(byte);
            if (digit >= 0) {
                chunkSize_ = chunkSize_ * 16 + static_cast<uint64_t>(digit);
                // Checked digit by digit, so the size can neither overflow nor reach the store.
                if (chunkSize_ > HttpBuffer::kLimit) {
                    return HTTP_ERROR_TOO_LARGE;
                }
                state_ = State::SizeDigits;
                return 0;
            }
            if (state_ == State::SizeFirstDigit) {
                return HTTP_ERROR_MALFORMED;
            }
            if (byte == ';' || byte == ' ' || byte == '\t') {
                state_ = State::SizeExtension;
                return 0;
            }
            if (byte == '\r') {
                state_ = State::SizeLineFeed;
                return 0;
            }
            return byte == '\n' ? endSizeLine() : HTTP_ERROR_MALFORMED;
        }
        case State::SizeExtension:
            return byte == '\n' ? endSizeLine() : 0;
        case State::SizeLineFeed:
            return byte == '\n' ? endSizeLine() : HTTP_ERROR_MALFORMED;
        case State::DataCarriageReturn:
            // Chunk data must end exactly where its size said; anything else is not skipped
            // silently, since it would be lost body data.
            if (byte == '\r') {
                state_ = State::DataLineFeed;
                return 0;
            }
            [[fallthrough]];
        case State::DataLineFeed:
            if (byte != '\n') {
                return HTTP_ERROR_MALFORMED;
            }
            chunkSize_ = 0;
            state_ = State::SizeFirstDigit;
            return 0;
        case State::TrailerLineStart:
            state_ = byte == '\n'   ? State::Done
                     : byte == '\r' ? State::TrailerLineFeed
                                    : State::TrailerLine;
            return 0;
        case State::TrailerLine:
            if (byte == '\n') {
                state_ = State::TrailerLineStart;
            }
            return 0;
        case State::TrailerLineFeed:
            if (byte != '\n') {
                return HTTP_ERROR_MALFORMED;
            }
            state_ = State::Done;
            return 0;
        case State::Data:
        case State::Done:
            break;
    }
    return 0;
}

int HttpChunkDecoder::input(const char* data, size_t length, size_t* consumed, const Sink& sink) {
    size_t at = 0;
    while (at < length && state_ != State::Done) {
        if (state_ == State::Data) {
            const size_t take = static_cast<size_t>(std::min<uint64_t>(chunkLeft_, length - at));
            const int sunk = sink(data + at, take);
            if (sunk < 0) {
                return sunk;
            }
            at += take;
            chunkLeft_ -= take;
            if (chunkLeft_ == 0) {
                state_ = State::DataCarriageReturn;
            }
            continue;
        }
        const int result = step(data[at]);
        if (result < 0) {
            return result;
        }
        ++at;
    }
    *consumed = at;
    return state_ == State::Done ? kDone : kNeedMore;
}
