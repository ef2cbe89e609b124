#pragma once

class QLabel;
class SliderWidget;

// One of the five segment slots of a day ruler. The slot is free while its label is hidden;
// begin and end (seconds from midnight) follow the label's geometry while it has a width.
struct TimeSegment {
    QLabel* label = nullptr;          // child of the ruler
    SliderWidget* handler = nullptr;  // child of the label
    int begin = 0;
    int end = 0;
};
