// The video pane: plays one camera through its current player into a VideoRenderer,
// offers the PTZ panel, high definition, mute and aspect ratio as context-menu actions,
// and forwards the panel's commands to the camera, feeding the preset list back.
#pragma once

#include <QPointer>
#include <QVariant>
#include <QWidget>

#include <memory>

#include "device_params.h"

class QAction;
class QQuickItem;
class QQuickWidget;
class QToolButton;
class StreamPlayer;
class VideoRenderer;

class VisualizerUnit : public QWidget {
    Q_OBJECT
public:
    explicit VisualizerUnit(QWidget* parent = nullptr);
    ~VisualizerUnit() override;

    // Plays the camera of p, replacing the current player. Does nothing without an address.
    void open(const DeviceParams& p);

    StreamPlayer* player() const { return player_.get(); }

private slots:
    void onTest(int id, int code, QString json);
    void showOrHideExtra(bool on);
    void onSendMessage(int id, QVariant value);
    void onHDStream(bool hd);
    void onMute(bool mute);
    void onAspectRatio(bool on);

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void createActions();
    void createLayout();
    void createConnections();
    void requestPresetList();
    QQuickItem* panelRoot() const;

    QPointer<VideoRenderer> renderer_;
    QPointer<QWidget> panelHost_;  // the panel's native window
    QPointer<QQuickWidget> panel_;
    QPointer<QAction> ptzAction_;
    QPointer<QAction> hdAction_;
    QPointer<QAction> muteAction_;
    QPointer<QAction> aspectAction_;
    QPointer<QToolButton> panelButton_;
    std::unique_ptr<StreamPlayer> player_;
    bool commandRefused_ = false;  // set by onTest while a panel command is sent
};
