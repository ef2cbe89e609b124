// The vocabulary of the record tables: how one field of a parameter record moves between
// the host record and the camera's packed wire body.
//
// A record is two tables of rules, one for the reply direction (wire body to host record)
// and one for the request direction (host record to wire body). A rule names the field's
// host and wire offsets and its kind; repeated structures (titles, users, entries) are one
// rule with a count and two strides, and a repetition of repeated structures (the slots of
// each region) adds a group count with two more strides. Where a host word says how many
// occurrences are in use (polygon points, grid rows), a limit ties the rule to that word.
// Every table is checked against its record's sizes at compile time with rulesFit(), so a
// wrong offset fails the build.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace netsdk::param {

enum class FieldKind : uint8_t {
    Bytes,        // width bytes copied as they are (words, addresses, whole short slots)
    Text,         // NUL-terminated text in width bytes; cut to width - 1 and terminated
    OptionSlot,   // four words and a value list (reply direction)
    RangeSlot,    // six words and a value list (reply direction)
    TimeSegment,  // one short slot and four range slots (reply direction)
    Constant,     // a fixed word written to the wire (request direction)
    CountWord,    // a count held to 0..maximum on its way (both directions; logged when held)
};

// Sizes of the slot forms on the host and on the wire.
constexpr uint32_t kShortSlotBytes = 16;
constexpr uint32_t kOptionSlotHostBytes = 280;
constexpr uint32_t kOptionSlotWireBytes = 148;
constexpr uint32_t kRangeSlotHostBytes = 160;
constexpr uint32_t kRangeSlotWireBytes = 156;
constexpr uint32_t kTimeSegmentHostBytes = kShortSlotBytes + 4 * kRangeSlotHostBytes;
constexpr uint32_t kTimeSegmentWireBytes = kShortSlotBytes + 4 * kRangeSlotWireBytes;

// The value word of every slot form sits at +8.
constexpr uint32_t kSlotValueOffset = 8;

// A rule applies only when the host record's word at hostOffset equals the value (the
// time record sends and reads its NTP or manual fields by its mode). In the reply
// direction the word must come from an earlier rule of the same table. In a grouped rule
// the offset counts from the start of the group.
struct Guard {
    bool active = false;
    uint32_t hostOffset = 0;
    int32_t equals = 0;
};

// What a limit does with a host word outside 0..its bound.
enum class Beyond : uint8_t {
    Hold,    // hold it to the bound (0 below): the record still converts
    Refuse,  // fail the whole conversion: nothing is sent
};

// Ties a rule to a host word that says how many of its occurrences (or how many bytes of
// each) are in use; the rule's repeat (or width) is the bound. As with guards, the word
// counts from the start of the group and, in the reply direction, must come from an
// earlier rule.
struct Limit {
    bool active = false;
    uint32_t hostOffset = 0;
    Beyond beyond = Beyond::Hold;
};

struct FieldRule {
    FieldKind kind = FieldKind::Bytes;
    uint32_t hostOffset = 0;
    uint32_t wireOffset = 0;
    uint32_t width = 0;            // Bytes and Text only
    int32_t constant = 0;          // Constant: the word; CountWord: the largest count
    uint32_t repeat = 1;           // the field occurs this many times ...
    uint32_t hostStride = 0;       // ... this far apart on the host
    uint32_t wireStride = 0;       // ... and on the wire
    uint32_t groups = 1;           // the whole repetition occurs this many times ...
    uint32_t groupHostStride = 0;  // ... this far apart on the host
    uint32_t groupWireStride = 0;  // ... and on the wire
    Guard guard;
    Limit occurrences;  // how many of the repeat are in use
    Limit widthInUse;   // how many of each occurrence's bytes are in use (Bytes only)

    constexpr FieldRule times(uint32_t count, uint32_t hostStep, uint32_t wireStep) const {
        FieldRule copy = *this;
        copy.repeat = count;
        copy.hostStride = hostStep;
        copy.wireStride = wireStep;
        return copy;
    }

    constexpr FieldRule inEach(uint32_t count, uint32_t hostStep, uint32_t wireStep) const {
        FieldRule copy = *this;
        copy.groups = count;
        copy.groupHostStride = hostStep;
        copy.groupWireStride = wireStep;
        return copy;
    }

    constexpr FieldRule countedBy(uint32_t hostWord, Beyond beyond) const {
        FieldRule copy = *this;
        copy.occurrences = Limit{true, hostWord, beyond};
        return copy;
    }

    constexpr FieldRule widthFrom(uint32_t hostWord, Beyond beyond) const {
        FieldRule copy = *this;
        copy.widthInUse = Limit{true, hostWord, beyond};
        return copy;
    }

    constexpr FieldRule when(uint32_t hostWord, int32_t value) const {
        FieldRule copy = *this;
        copy.guard = Guard{true, hostWord, value};
        return copy;
    }

    constexpr uint32_t hostWidth() const {
        switch (kind) {
            case FieldKind::OptionSlot:
                return kOptionSlotHostBytes;
            case FieldKind::RangeSlot:
                return kRangeSlotHostBytes;
            case FieldKind::TimeSegment:
                return kTimeSegmentHostBytes;
            case FieldKind::Constant:
                return 0;
            case FieldKind::CountWord:
                return 4;
            default:
                return width;
        }
    }

    constexpr uint32_t wireWidth() const {
        switch (kind) {
            case FieldKind::OptionSlot:
                return kOptionSlotWireBytes;
            case FieldKind::RangeSlot:
                return kRangeSlotWireBytes;
            case FieldKind::TimeSegment:
                return kTimeSegmentWireBytes;
            case FieldKind::Constant:
            case FieldKind::CountWord:
                return 4;
            default:
                return width;
        }
    }
};

// ---- Row builders ------------------------------------------------------------------------

constexpr FieldRule bytes(uint32_t host, uint32_t wire, uint32_t width) {
    FieldRule rule;
    rule.kind = FieldKind::Bytes;
    rule.hostOffset = host;
    rule.wireOffset = wire;
    rule.width = width;
    return rule;
}

constexpr FieldRule word(uint32_t host, uint32_t wire) {
    return bytes(host, wire, 4);
}

constexpr FieldRule text(uint32_t host, uint32_t wire, uint32_t width) {
    FieldRule rule = bytes(host, wire, width);
    rule.kind = FieldKind::Text;
    return rule;
}

constexpr FieldRule shortSlot(uint32_t host, uint32_t wire) {
    return bytes(host, wire, kShortSlotBytes);
}

// The value word of a slot that starts at host / wire (what a write sends).
constexpr FieldRule slotValue(uint32_t host, uint32_t wire) {
    return word(host + kSlotValueOffset, wire + kSlotValueOffset);
}

constexpr FieldRule optionSlot(uint32_t host, uint32_t wire) {
    FieldRule rule = bytes(host, wire, 0);
    rule.kind = FieldKind::OptionSlot;
    return rule;
}

constexpr FieldRule rangeSlot(uint32_t host, uint32_t wire) {
    FieldRule rule = bytes(host, wire, 0);
    rule.kind = FieldKind::RangeSlot;
    return rule;
}

constexpr FieldRule timeSegment(uint32_t host, uint32_t wire) {
    FieldRule rule = bytes(host, wire, 0);
    rule.kind = FieldKind::TimeSegment;
    return rule;
}

constexpr FieldRule constantWord(uint32_t wire, int32_t value) {
    FieldRule rule = bytes(0, wire, 0);
    rule.kind = FieldKind::Constant;
    rule.constant = value;
    return rule;
}

// A count word that never leaves 0..maximum: a hostile count read from the wire or left
// in a caller's record cannot lead a reader past the places it counts.
constexpr FieldRule countWord(uint32_t host, uint32_t wire, int32_t maximum) {
    FieldRule rule = bytes(host, wire, 0);
    rule.kind = FieldKind::CountWord;
    rule.constant = maximum;
    return rule;
}

// ---- Tables --------------------------------------------------------------------------------

struct RuleSet {
    const FieldRule* rules = nullptr;
    size_t count = 0;
};

template <size_t N>
constexpr RuleSet ruleSet(const FieldRule (&rules)[N]) {
    return RuleSet{rules, N};
}

template <size_t N>
constexpr RuleSet ruleSet(const std::array<FieldRule, N>& rules) {
    return RuleSet{rules.data(), N};
}

// Both directions of one record.
struct RecordRules {
    RuleSet reply;
    RuleSet request;
};

// True when every occurrence of every rule lies inside the host and wire sizes, every guard
// and limit word inside the host record, and every limit bounds something.
template <typename Rules>
constexpr bool rulesFit(const Rules& rules, uint32_t hostSize, uint32_t wireSize) {
    for (const FieldRule& rule : rules) {
        if (rule.repeat == 0 || rule.groups == 0) {
            return false;
        }
        const uint32_t last = rule.repeat - 1;
        const uint32_t lastGroup = rule.groups - 1;
        const uint32_t hostGroup = lastGroup * rule.groupHostStride;
        if (hostGroup + rule.hostOffset + last * rule.hostStride + rule.hostWidth() > hostSize) {
            return false;
        }
        if (lastGroup * rule.groupWireStride + rule.wireOffset + last * rule.wireStride +
                rule.wireWidth() >
            wireSize) {
            return false;
        }
        for (const uint32_t word : {rule.guard.active ? rule.guard.hostOffset : 0u,
                                    rule.occurrences.active ? rule.occurrences.hostOffset : 0u,
                                    rule.widthInUse.active ? rule.widthInUse.hostOffset : 0u}) {
            if (hostGroup + word + 4 > hostSize) {
                return false;
            }
        }
        if (rule.widthInUse.active && rule.kind != FieldKind::Bytes) {
            return false;
        }
        if (rule.kind == FieldKind::CountWord && rule.constant < 0) {
            return false;
        }
    }
    return true;
}

}  // namespace netsdk::param
