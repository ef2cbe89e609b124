#include "widget_pages.h"

#include <QStackedWidget>

#include "zrsdk_instance.h"

// The classes live in config/pages; each entry gains its factory once its page class has
// joined the build (an entry without one opens nothing yet).
QVector<WidgetPageEntry> widgetPages() {
    return {
        {"用户管理", nullptr},      // AccountManager(session.data(), stack)
        {"移动侦测", nullptr},      // MotionDetectionWidget(session.data(), stack)
        {"遮挡侦测", nullptr},      // CoverDetectionWidget(session.data(), stack)
        {"JT808设置", nullptr},     // JT808Widget(session.data(), stack)
        {"RTMP设置", nullptr},      // RtmpClientWidget(session.data(), stack)
        {"基本配置", nullptr},      // RecordConfigWidget(session, stack)
        {"定时录像", nullptr},      // RecordScheduleWidget(session, stack)
        {"视频采集设置", nullptr},  // VideoISPConfigWidget(session.data(), stack)
        {"告警通知", nullptr},      // AlarmNotificationWidget(session, stack)
    };
}
