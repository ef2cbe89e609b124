#include "widget_pages.h"

#include <QStackedWidget>

#include "AccountManager.h"
#include "AlarmNotificationWidget.h"
#include "CoverDetectionWidget.h"
#include "JT808Widget.h"
#include "MotionDetectionWidget.h"
#include "RecordConfigWidget.h"
#include "RecordScheduleWidget.h"
#include "RtmpClientWidget.h"
#include "VideoISPConfigWidget.h"
#include "zrsdk_instance.h"

namespace {

// Pages that take the session as a plain pointer.
template <typename Page>
QWidget* withPointer(const QSharedPointer<ZRSDKInstance>& session, QStackedWidget* stack) {
    return new Page(session.data(), stack);
}

// Pages that keep a weak reference to the session.
template <typename Page>
QWidget* withReference(const QSharedPointer<ZRSDKInstance>& session, QStackedWidget* stack) {
    return new Page(session, stack);
}

}  // namespace

// The widget pages by their tree titles; the classes live in config/pages.
QVector<WidgetPageEntry> widgetPages() {
    return {
        {"用户管理", withPointer<AccountManager>},
        {"移动侦测", withPointer<MotionDetectionWidget>},
        {"遮挡侦测", withPointer<CoverDetectionWidget>},
        {"JT808设置", withPointer<JT808Widget>},
        {"RTMP设置", withPointer<RtmpClientWidget>},
        {"基本配置", withReference<RecordConfigWidget>},
        {"定时录像", withReference<RecordScheduleWidget>},
        {"视频采集设置", withPointer<VideoISPConfigWidget>},
        {"告警通知", withReference<AlarmNotificationWidget>},
    };
}
