// A privacy mask on the live picture: a numbered button that the user moves and resizes.
#pragma once

#include <QPushButton>

#include "VideoMaskInfo.h"

class VideoMaskWidget : public QPushButton {
    Q_OBJECT

public:
    // A mask is never smaller than the smallest one that may be drawn.
    static constexpr int kMinimumSide = 10;

    VideoMaskWidget(int number, QWidget* parent = nullptr);

    // Starts a fresh, empty record; a new number also becomes the button's text.
    void setIndex(int number);
    int index() const { return number_; }
    void setMaskInfo(const VIDEO_MASK_INFO& info) { info_ = info; }
    VIDEO_MASK_INFO maskInfo() const { return info_; }

private:
    int number_ = 0;
    VIDEO_MASK_INFO info_;
};
