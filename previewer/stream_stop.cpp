#include "stream_stop.h"

#include "detached_call.h"
#include "netsdk.h"

StreamStop::StreamStop(std::function<bool()> stopRequested)
    : stopRequested_(std::move(stopRequested)) {}

void StreamStop::request() {
    std::lock_guard<std::mutex> guard(lock_);
    if (login_ != nullptr) {
        login_->giveUp();
    }
    if (stream_ != nullptr) {
        // Returns once the loop has ended; the loop takes no lock of ours.
        NETSDK_StopRealPlay(stream_);
    }
}

bool StreamStop::waitForLogin(DetachedCall& login) {
    if (!registerUnlessStopped(&login, nullptr)) {
        return false;
    }
    const bool done = login.wait();
    std::lock_guard<std::mutex> guard(lock_);
    login_ = nullptr;
    return done;
}

bool StreamStop::attach(NETSDK_STREAM* stream) {
    return registerUnlessStopped(nullptr, stream);
}

void StreamStop::detach() {
    std::lock_guard<std::mutex> guard(lock_);
    stream_ = nullptr;
}

bool StreamStop::registerUnlessStopped(DetachedCall* login, NETSDK_STREAM* stream) {
    std::lock_guard<std::mutex> guard(lock_);
    if (stopRequested_()) {
        return false;
    }
    login_ = login;
    stream_ = stream;
    return true;
}
