// The positions a camera sends in its OSD, region-of-interest and cover detection records, as
// Velmora's pages read them: the first byte picks the record, the rest is the body of the
// camera's reply, which the SDK converts into the record. Every position word the pages show
// is read as a percent of the picture, which must lie in 0..100, and placed on a view of the
// live picture, where it must land inside the view.
#include <QApplication>
#include <QWidget>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "netsdk.h"
#include "param/param_block.h"
#include "param/param_table.h"
#include "param_reply.h"
#include "picture_geometry.h"
#include "slot_float.h"

namespace {

// A main stream picture on a view of another aspect, so that the picture has bars.
const QSize kPicture(1920, 1080);
const QSize kView(704, 576);

QWidget* view = nullptr;

void place(int32_t xWord, int32_t yWord) {
    const QPointF percent(percentFromWord(xWord), percentFromWord(yWord));
    if (!(percent.x() >= 0 && percent.x() <= 100 && percent.y() >= 0 && percent.y() <= 100)) {
        std::abort();
    }
    const QPoint pixel = mapPercentToWidget(view, kPicture, percent);
    if (!QRect(QPoint(0, 0), kView).adjusted(0, 0, 1, 1).contains(pixel)) {
        std::abort();
    }
}

// The date-time overlay and the first title, value and default, as the OSD page shows them.
void readOsd(const NETSDK_PARAM_OSD& osd) {
    place(osd.dateTimeX.value, osd.dateTimeY.value);
    place(osd.dateTimeX.defaultValue, osd.dateTimeY.defaultValue);
    const NETSDK_OSD_TITLE& title = osd.titles[0];
    place(title.x.value, title.y.value);
    place(title.x.defaultValue, title.y.defaultValue);
}

// The counted points of every region in use, as the detection page draws them.
void readRegions(const NETSDK_PARAM_ROI& roi) {
    for (const NETSDK_ROI_REGION& region : roi.regions) {
        if (region.inUse.value == 0) {
            continue;
        }
        const int points = qBound(0, region.pointCount.value, int(NETSDK_ROI_POINTS));
        for (int point = 0; point < points; ++point) {
            place(region.points[point].x.value, region.points[point].y.value);
        }
    }
}

// The watched rectangle's corners, as the cover page places its overlay.
void readCover(const NETSDK_PARAM_COVER_DETECT& cover) {
    place(cover.left.value, cover.top.value);
    place(cover.right.value, cover.bottom.value);
}

template <typename Record>
void readReply(int id, const uint8_t* body, size_t size, void (*read)(const Record&)) {
    const netsdk::param::ParamEntry* entry = netsdk::param::findParamById(id);
    if (entry == nullptr || entry->hostSize != sizeof(Record)) {
        std::abort();
    }
    const std::vector<uint8_t> reply = param_reply::withHead(*entry, body, size);
    const NETSDK_CHANNEL channel{0, 0};
    Record record{};
    if (_ParseBinaryBoy(&channel, reply.data(), static_cast<int>(reply.size()), id, &record,
                        static_cast<int>(sizeof record)) == 0) {
        read(record);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: libFuzzer ends through exit(), after which Qt's globals are gone.
    static auto* application = new QApplication(*argc, *argv);
    Q_UNUSED(application);
    view = new QWidget;
    view->resize(kView);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    const uint8_t* body = data + 1;
    switch (data[0] % 3) {
        case 0:
            readReply<NETSDK_PARAM_OSD>(NETSDK_PARAM_ID_OSD, body, size - 1, readOsd);
            break;
        case 1:
            readReply<NETSDK_PARAM_ROI>(NETSDK_PARAM_ID_ROI, body, size - 1, readRegions);
            break;
        default:
            readReply<NETSDK_PARAM_COVER_DETECT>(NETSDK_PARAM_ID_COVER_DETECT, body, size - 1,
                                                 readCover);
            break;
    }
    return 0;
}
