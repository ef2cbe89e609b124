// The live picture of a configuration page with the things the user places on it: the two
// OSD labels, up to four privacy masks or up to four regions of interest, by mode. Every
// placement is kept and reported in percent of the visible picture, so it survives resizes
// and goes into the camera's records as it is.
#pragma once

#include <QList>
#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QPolygonF>
#include <QPushButton>
#include <QSize>

#include "VideoMaskInfo.h"

class Overlay;
class QMouseEvent;
class QResizeEvent;
class ShieldTaskManager;
class TrackerWidgetVideo;
class VideoMaskWidget;

class VideoShow : public QObject {
    Q_OBJECT

public:
    enum Mode { ModePlain = 0, ModeOsd = 1, ModeVideoMask = 2, ModeRoi = 3 };
    // At most this many masks, and as many regions.
    static constexpr int kMaxOverlays = 4;
    // A drawn mask narrower or lower than this is taken as a slip of the mouse.
    static constexpr int kMinimumMaskSide = 10;

    VideoShow(QWidget* host, int mode);
    ~VideoShow() override;

    // Plays "rtsp://<authority>:554/mpeg4cif"; authority is "user:password@address". An
    // empty authority leaves the current stream playing.
    void openStream(const QString& authority);
    void setupOsd(const QPointF& titlePos, const QString& title, const QPointF& dateTimePos,
                  const QString& dateTimeFormat);
    void setDateTimeVisible(bool visible);
    void setTitleVisible(bool visible);
    void clearVideoMasks();
    void clearRois();
    // Replaces the region frames by the manager's regions (four at most), emitting nothing.
    void loadRois(ShieldTaskManager* manager);

    // The picture size in pixels against which percent positions are converted; the
    // configuration core sets it from the camera's stream resolution.
    QSize videoSize;

    TrackerWidgetVideo* tracker() const { return videoWidget; }

signals:
    void OSDDateTimePosUpdate(QPointF pos);
    void OSDTitlePosUpdate(QPointF pos);
    void videoMaskValueChanged(int id, VIDEO_MASK_INFO info);
    void ROIValueChanged(int id, QPolygonF polygon, QColor default_color, QColor alarm_color);

private slots:
    void onMouseReleased(QRect rect);
    void onWidgetReleased(QWidget* widget, QMouseEvent* event);
    void onVideoWidgetResized(QResizeEvent* event);
    void placeOverlays();

private:
    QSize pictureSize() const;
    QPointF toPercent(const QPoint& pixel) const;
    QPoint toPixel(const QPointF& percent) const;
    QRectF toPercent(const QRect& rect) const;
    QRect toPixel(const QRectF& percent) const;
    QRectF percentRectOf(QWidget* widget) const;

    void addVideoMaskFromRect(const QRect& rect);
    void addRoiFromRect(const QRect& rect);
    Overlay* makeRoi(int index, const QRect& geometry);
    void reportMask(VideoMaskWidget* mask, const QRectF& percent);
    void reportRoi(Overlay* roi);
    QPushButton* placeLabel(QPointer<QPushButton>& label, const QString& text,
                            const QPointF& percent);
    void deleteMasks();

    int mode;
    TrackerWidgetVideo* videoWidget;
    QList<VideoMaskWidget*> videoMasks;
    QPointF titlePos;
    QString titleText;
    QPointF dateTimePos;
    QString dateTimeFormat;
    QPointer<QPushButton> dateTimeButton;
    QPointer<QPushButton> titleButton;
    bool dateTimeVisible = false;
    bool titleVisible = false;
    QList<Overlay*> rois;
};
