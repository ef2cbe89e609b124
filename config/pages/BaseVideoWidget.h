// The base of the settings pages that preview the camera's live picture: it holds the
// session and a restore-defaults group, and plays the camera's RTSP stream into a
// container widget of the page.
#pragma once

#include <QPointer>
#include <QWidget>

class ControlAssignmentGroup;
class VideoSurface;
class ZRSDKInstance;

class BaseVideoWidget : public QWidget {
    Q_OBJECT

public:
    BaseVideoWidget(ZRSDKInstance* sdk, QWidget* parent = nullptr);
    ~BaseVideoWidget() override;

    // Builds the preview in container and starts it; a second call replaces the first.
    void play(QWidget* container);

protected:
    QPointer<ZRSDKInstance> sdk;
    QPointer<VideoSurface> videoWidget;
    QPointer<ControlAssignmentGroup> controlGroup;
};
