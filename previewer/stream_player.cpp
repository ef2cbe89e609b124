#include "stream_player.h"

#include "net_sdk_instance.h"

namespace {

// The SDK's block kind for live frames; playback frames are never asked for.
constexpr int kLiveFrame = 2;

}  // namespace

StreamPlayer::StreamPlayer(const DeviceParams& params, QObject* parent)
    : CustomPlayer(parent), params_(params) {}

StreamPlayer::~StreamPlayer() {
    stopWorker();
}

void StreamPlayer::run() {
    NetSDKInstance::instance()->playRealStream(params_, params_.stream, this, &stop_);
}

void StreamPlayer::interruptWorker() {
    stop_.request();
}

int StreamPlayer::onStreamData(NETSDK_STREAM*, int, int, int kind, const void* block, int length) {
    if (kind == kLiveFrame) {
        decodeStream(block, length);
    }
    return 0;
}

int StreamPlayer::onStreamStatus(int, const QString&) {
    return stopRequested() ? -1 : 0;
}
