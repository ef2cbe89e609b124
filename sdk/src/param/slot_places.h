// Records whose slots lie in another order on the wire than on the host list each slot once,
// with its form and both offsets; both rule tables derive from that one list, so a slot's
// two places can never disagree between the directions.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "param/field_rules.h"

namespace netsdk::param {

enum class SlotForm : uint8_t { Short, Option, Range };

struct SlotPlace {
    SlotForm form;
    uint32_t host;
    uint32_t wire;
};

constexpr uint32_t slotHostBytes(SlotForm form) {
    return form == SlotForm::Short    ? kShortSlotBytes
           : form == SlotForm::Option ? kOptionSlotHostBytes
                                      : kRangeSlotHostBytes;
}

constexpr uint32_t slotWireBytes(SlotForm form) {
    return form == SlotForm::Short    ? kShortSlotBytes
           : form == SlotForm::Option ? kOptionSlotWireBytes
                                      : kRangeSlotWireBytes;
}

// Reply rules: every slot copied in full, lists by the list rule.
template <size_t N>
constexpr std::array<FieldRule, N> slotReplyRules(const SlotPlace (&places)[N]) {
    std::array<FieldRule, N> rules{};
    for (size_t i = 0; i < N; ++i) {
        const SlotPlace& place = places[i];
        rules[i] = place.form == SlotForm::Short    ? shortSlot(place.host, place.wire)
                   : place.form == SlotForm::Option ? optionSlot(place.host, place.wire)
                                                    : rangeSlot(place.host, place.wire);
    }
    return rules;
}

// Request rules: the value word of every slot.
template <size_t N>
constexpr std::array<FieldRule, N> slotValueRules(const SlotPlace (&places)[N]) {
    std::array<FieldRule, N> rules{};
    for (size_t i = 0; i < N; ++i) {
        rules[i] = slotValue(places[i].host, places[i].wire);
    }
    return rules;
}

// True when the slots, in the listed (host) order, follow each other without a gap from 0
// to hostSize, and their wire places cover 0 to wireSize without a gap or an overlap.
template <size_t N>
constexpr bool slotsTile(const SlotPlace (&places)[N], uint32_t hostSize, uint32_t wireSize) {
    uint32_t hostEnd = 0;
    uint32_t wireTotal = 0;
    for (size_t i = 0; i < N; ++i) {
        const SlotPlace& place = places[i];
        if (place.host != hostEnd) {
            return false;
        }
        hostEnd += slotHostBytes(place.form);
        const uint32_t wireEnd = place.wire + slotWireBytes(place.form);
        if (wireEnd > wireSize) {
            return false;
        }
        for (size_t j = 0; j < i; ++j) {
            const uint32_t otherEnd = places[j].wire + slotWireBytes(places[j].form);
            if (place.wire < otherEnd && places[j].wire < wireEnd) {
                return false;
            }
        }
        wireTotal += slotWireBytes(place.form);
    }
    return hostEnd == hostSize && wireTotal == wireSize;
}

}  // namespace netsdk::param
