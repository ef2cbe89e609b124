#pragma once

#include <QTime>

// One arming period of an arming schedule, tied to one region of its store.
struct ShieldTask {
    int region = 0;         // index into the store's regions, 0 to 3
    int repeat = 1;         // how often the alarm tone repeats, 1 to 3
    unsigned int tone = 0;  // alarm tone type, one of the store's tone types
    QTime begin;            // arming starts
    QTime end;              // arming ends
    int dayMask = 0;        // bit 0 Sunday ... bit 6 Saturday
};
