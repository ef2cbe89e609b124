#include "VideoMaskWidget.h"

VideoMaskWidget::VideoMaskWidget(int number, QWidget* parent) : QPushButton(parent) {
    // Resizing by the right or bottom edge is bounded only by the minimum size: without it a
    // mask could shrink to nothing, or turn inside out, and report an empty rectangle.
    setMinimumSize(kMinimumSide, kMinimumSide);
    setIndex(number);
}

void VideoMaskWidget::setIndex(int number) {
    info_ = VIDEO_MASK_INFO();
    if (number != number_) {
        number_ = number;
        setText(QString::number(number));
    }
}
