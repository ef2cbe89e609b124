#pragma once

#include <QSharedPointer>
#include <QVariant>
#include <QWeakPointer>
#include <QWidget>

class QTableWidget;
class ZRSDKInstance;

// The "告警通知" page: subscribes the camera's alarms once it is opened and lists every alarm
// that arrives (number, time, kind), newest at the bottom.
class AlarmNotificationWidget : public QWidget {
    Q_OBJECT

public:
    AlarmNotificationWidget(const QSharedPointer<ZRSDKInstance>& session,
                            QWidget* parent = nullptr);

private slots:
    void load();
    void onAlarmEventChanged(QVariant var);

private:
    void buildForm();

    QWeakPointer<ZRSDKInstance> session;
    QTableWidget* tableWidget = nullptr;
};
