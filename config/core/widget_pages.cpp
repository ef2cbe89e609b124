#include "widget_pages.h"

#include <QStackedWidget>

#include "AccountManager.h"
#include "AlarmNotificationWidget.h"
#include "RecordConfigWidget.h"
#include "RecordScheduleWidget.h"
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

// The classes live in config/pages; each entry gains its factory once its page class has
// joined the build (an entry without one opens nothing yet).
QVector<WidgetPageEntry> widgetPages() {
    return {
        {"用户管理", withPointer<AccountManager>},
        {"移动侦测", nullptr},   // MotionDetectionWidget(session.data(), stack)
        {"遮挡侦测", nullptr},   // CoverDetectionWidget(session.data(), stack)
        {"JT808设置", nullptr},  // JT808Widget(session.data(), stack)
        {"RTMP设置", nullptr},   // RtmpClientWidget(session.data(), stack)
        {"基本配置", withReference<RecordConfigWidget>},
        {"定时录像", withReference<RecordScheduleWidget>},
        {"视频采集设置", nullptr},  // VideoISPConfigWidget(session.data(), stack)
        {"告警通知", withReference<AlarmNotificationWidget>},
    };
}
