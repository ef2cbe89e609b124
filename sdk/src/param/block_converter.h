// Walks a record's rule table to convert between a host record and its wire body.
#pragma once

#include <cstdint>

#include "param/field_rules.h"

namespace netsdk::param {

// Fills host, which the caller zeroed, from the wire body by the reply rules; false when a
// count word of the record refuses the conversion (host is then partly filled).
bool convertReply(const RuleSet& rules, const uint8_t* wire, uint8_t* host);

// Fills wire, which the caller zeroed, from the host record by the request rules; false
// when a count word of the record refuses the conversion (wire must then not be sent).
bool convertRequest(const RuleSet& rules, const uint8_t* host, uint8_t* wire);

}  // namespace netsdk::param

// Converts one time-segment block (a short slot and four range slots) from wire to host
// form; 0, or -1 when a pointer is null.
int _ConvTimeSegment(const uint8_t* wire, uint8_t* host);
