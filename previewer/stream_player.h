// The player of one camera's live stream, fed by the SDK wrapper.
#pragma once

#include "custom_player.h"
#include "device_params.h"
#include "stream_sink.h"
#include "stream_stop.h"

class StreamPlayer : public CustomPlayer, public StreamSink {
    Q_OBJECT
public:
    StreamPlayer(const DeviceParams& params, QObject* parent = nullptr);
    ~StreamPlayer() override;

    const DeviceParams& deviceParams() const { return params_; }

    int onStreamData(NETSDK_STREAM* stream, int channel, int streamIndex, int kind,
                     const void* block, int length) override;
    // Ends the stream once stopping has begun, whatever the event.
    int onStreamStatus(int code, const QString& message) override;

protected:
    void run() override;
    // Gives up a login in progress and cuts a pending receive.
    void interruptWorker() override;

private:
    const DeviceParams params_;
    StreamStop stop_{[this] { return stopRequested(); }};
};
