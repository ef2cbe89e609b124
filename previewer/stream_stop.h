// The stop of one running live stream from another thread, which must not wait on the
// camera: a login in progress is given up, and a receive in progress is cut by the SDK's own
// stop (it shuts the stream's socket down). The stream's thread registers what it waits on;
// the stop answers whatever is registered when it comes, or refuses what is registered after.
#pragma once

#include <functional>
#include <mutex>

struct NETSDK_STREAM;
class DetachedCall;

class StreamStop {
public:
    // stopRequested tells whether the stop has been asked for; it turns true before request()
    // is called and stays so while the stream's thread runs.
    explicit StreamStop(std::function<bool()> stopRequested);

    // Stopping thread: gives up the login and stops the stream now registered.
    void request();

    // Stream's thread: waits for the login call unless the stop comes first; true when the
    // login is done.
    bool waitForLogin(DetachedCall& login);
    // Stream's thread, once from inside its running loop (the only time the loop takes the
    // lock, and stream_ is not yet set then): registers the stream; false when the stop has
    // come already.
    bool attach(NETSDK_STREAM* stream);
    // Stream's thread, once its loop has ended: before the stream is stopped and destroyed.
    void detach();

private:
    bool registerUnlessStopped(DetachedCall* login, NETSDK_STREAM* stream);

    const std::function<bool()> stopRequested_;
    // Guards login_ and stream_, and keeps them alive while request() uses them: taken by the
    // stream's thread and the stopping thread; request() holds it while the loop ends.
    std::mutex lock_;
    DetachedCall* login_ = nullptr;
    NETSDK_STREAM* stream_ = nullptr;
};
