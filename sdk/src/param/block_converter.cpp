#include "param/block_converter.h"

#include <cstring>

#include "log.h"

namespace netsdk::param {
namespace {

// A value list holds at most this many values on the wire and, after a read, on the host.
constexpr int kListPlaces = 32;

int32_t readWord(const uint8_t* at) {
    int32_t value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

void writeWord(uint8_t* at, int32_t value) {
    std::memcpy(at, &value, sizeof value);
}

// Copies a NUL-terminated text; the source is read no further than its field, and the
// target always ends with a NUL inside its field.
void copyText(uint8_t* target, const uint8_t* source, uint32_t width) {
    if (width == 0) {
        return;
    }
    const void* end = std::memchr(source, '\0', width);
    size_t length = end ? static_cast<const uint8_t*>(end) - source : width;
    if (length > width - 1) {
        length = width - 1;
    }
    std::memcpy(target, source, length);
    target[length] = '\0';
}

// A wire list (count word, then up to 32 values) becomes a host list (count word, then the
// distinct values in order of first appearance). A wire count beyond the list's places or
// below zero is held to them, so nothing past the wire list is read.
void convertList(const uint8_t* wireList, uint8_t* hostList) {
    int32_t announced = readWord(wireList);
    const int available = announced < 0 ? 0 : (announced > kListPlaces ? kListPlaces : announced);
    int32_t values[kListPlaces];
    int count = 0;
    for (int i = 0; i < available; ++i) {
        const int32_t value = readWord(wireList + 4 + 4 * i);
        bool seen = false;
        for (int j = 0; j < count && !seen; ++j) {
            seen = values[j] == value;
        }
        if (!seen) {
            values[count++] = value;
        }
    }
    writeWord(hostList, count);
    std::memcpy(hostList + 4, values, sizeof(int32_t) * count);
}

void convertOptionSlot(const uint8_t* wire, uint8_t* host) {
    std::memcpy(host, wire, 16);
    convertList(wire + 16, host + 16);
}

void convertRangeSlot(const uint8_t* wire, uint8_t* host) {
    std::memcpy(host, wire, 24);
    convertList(wire + 24, host + 24);
}

void convertTimeSegment(const uint8_t* wire, uint8_t* host) {
    std::memcpy(host, wire, kShortSlotBytes);
    for (uint32_t i = 0; i < 4; ++i) {
        convertRangeSlot(wire + kShortSlotBytes + i * kRangeSlotWireBytes,
                         host + kShortSlotBytes + i * kRangeSlotHostBytes);
    }
}

bool guardHolds(const Guard& guard, const uint8_t* host) {
    return !guard.active || readWord(host + guard.hostOffset) == guard.equals;
}

// A count word on its way from one layout to the other, held to 0..maximum.
void copyCount(const FieldRule& rule, const uint8_t* from, uint8_t* to) {
    const int32_t count = readWord(from);
    const int32_t held = count < 0 ? 0 : (count > rule.constant ? rule.constant : count);
    if (held != count) {
        SDK_LOG_TEXT("A count lies outside its places; it was held to them.");
    }
    writeWord(to, held);
}

void replyField(const FieldRule& rule, uint32_t width, const uint8_t* wire, uint8_t* host) {
    switch (rule.kind) {
        case FieldKind::Bytes:
            std::memcpy(host, wire, width);
            break;
        case FieldKind::Text:
            copyText(host, wire, rule.width);
            break;
        case FieldKind::OptionSlot:
            convertOptionSlot(wire, host);
            break;
        case FieldKind::RangeSlot:
            convertRangeSlot(wire, host);
            break;
        case FieldKind::TimeSegment:
            convertTimeSegment(wire, host);
            break;
        case FieldKind::CountWord:
            copyCount(rule, wire, host);
            break;
        case FieldKind::Constant:
            break;  // a request-only kind
    }
}

void requestField(const FieldRule& rule, uint32_t width, const uint8_t* host, uint8_t* wire) {
    switch (rule.kind) {
        case FieldKind::Bytes:
            std::memcpy(wire, host, width);
            break;
        case FieldKind::Text:
            copyText(wire, host, rule.width);
            break;
        case FieldKind::Constant:
            writeWord(wire, rule.constant);
            break;
        case FieldKind::CountWord:
            copyCount(rule, host, wire);
            break;
        default:
            break;  // slots and lists are never sent; their values are Bytes rules
    }
}

// How much of bound a limit's host word leaves in use; false when the word lies outside
// 0..bound and the limit refuses such words.
bool limitAllows(const Limit& limit, const uint8_t* hostGroup, uint32_t bound, uint32_t* inUse) {
    *inUse = bound;
    if (!limit.active) {
        return true;
    }
    const int32_t word = readWord(hostGroup + limit.hostOffset);
    if (word >= 0 && static_cast<uint32_t>(word) <= bound) {
        *inUse = static_cast<uint32_t>(word);
        return true;
    }
    if (limit.beyond == Beyond::Refuse) {
        SDK_LOG_TEXT("A count in the record lies outside its places; nothing was converted.");
        return false;
    }
    SDK_LOG_TEXT("A count in the record lies outside its places; it was held to them.");
    *inUse = word < 0 ? 0 : bound;
    return true;
}

// Calls visit(rule, width in use, host field, wire offset) for every occurrence in use of
// every rule whose guard holds; false as soon as a limit refuses.
template <typename HostByte, typename Visit>
bool walkRules(const RuleSet& rules, HostByte* host, Visit visit) {
    for (size_t r = 0; r < rules.count; ++r) {
        const FieldRule& rule = rules.rules[r];
        for (uint32_t g = 0; g < rule.groups; ++g) {
            HostByte* hostGroup = host + g * rule.groupHostStride;
            if (!guardHolds(rule.guard, hostGroup)) {
                continue;
            }
            uint32_t repeat = 0;
            uint32_t width = 0;
            if (!limitAllows(rule.occurrences, hostGroup, rule.repeat, &repeat) ||
                !limitAllows(rule.widthInUse, hostGroup, rule.width, &width)) {
                return false;
            }
            for (uint32_t i = 0; i < repeat; ++i) {
                visit(rule, width, hostGroup + rule.hostOffset + i * rule.hostStride,
                      g * rule.groupWireStride + rule.wireOffset + i * rule.wireStride);
            }
        }
    }
    return true;
}

}  // namespace

bool convertReply(const RuleSet& rules, const uint8_t* wire, uint8_t* host) {
    return walkRules(
        rules, host,
        [wire](const FieldRule& rule, uint32_t width, uint8_t* field, uint32_t wireOffset) {
            replyField(rule, width, wire + wireOffset, field);
        });
}

bool convertRequest(const RuleSet& rules, const uint8_t* host, uint8_t* wire) {
    return walkRules(
        rules, host,
        [wire](const FieldRule& rule, uint32_t width, const uint8_t* field, uint32_t wireOffset) {
            requestField(rule, width, field, wire + wireOffset);
        });
}

}  // namespace netsdk::param

int _ConvTimeSegment(const uint8_t* wire, uint8_t* host) {
    if (wire == nullptr || host == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    netsdk::param::convertTimeSegment(wire, host);
    return 0;
}
