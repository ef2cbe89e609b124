// The table of parameter ids: record sizes, wire lengths, command codes and directions.
#pragma once

#include <cstdint>

#include "param/field_rules.h"

namespace netsdk::param {

struct ParamEntry {
    int id;
    int command;        // the head's command code; -1 for the bodiless writes
    uint32_t hostSize;  // exact size of the caller's record (bodiless writes take any)
    uint32_t wireSize;  // body length on the wire
    bool canGet;
    bool canSet;
    bool bodiless;             // written with an empty body (reset, reboot, alarm tone)
    bool getChannelZero;       // the GET head carries channel 0 whatever the caller passed
    bool replyChannelChecked;  // the reply's channel must match the request's (per stream)
    const RecordRules* rules;  // null while the record has no conversion tables
};

// The entry of a parameter id, or null.
const ParamEntry* findParamById(int id);

// The entry of a block's command code, or null (codes above 25 and code 16 have none).
const ParamEntry* findParamByCommand(int command);

// The largest host record of the table (the size of a conversion's scratch record).
constexpr uint32_t kLargestHostRecord = 12224;

}  // namespace netsdk::param
