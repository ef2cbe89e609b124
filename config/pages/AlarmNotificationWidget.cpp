#include "AlarmNotificationWidget.h"

#include <QDateTime>
#include <QGroupBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "zrsdk_instance.h"

namespace {

enum Column { SerialColumn, TimeColumn, TypeColumn, ColumnCount };

}  // namespace

AlarmNotificationWidget::AlarmNotificationWidget(const QSharedPointer<ZRSDKInstance>& session,
                                                 QWidget* parent)
    : QWidget(parent), session(session) {
    buildForm();
    if (const QSharedPointer<ZRSDKInstance> camera = this->session.toStrongRef()) {
        // Alarms are emitted on the SDK's notify thread; they reach the table queued.
        connect(camera.data(), SIGNAL(alarmEventChanged(QVariant)), this,
                SLOT(onAlarmEventChanged(QVariant)));
    }
    QMetaObject::invokeMethod(this, "load", Qt::QueuedConnection);
}

void AlarmNotificationWidget::buildForm() {
    setObjectName("AlarmNotificationWidget");
    resize(400, 300);
    setWindowTitle(tr("AlarmNotificationWidget"));
    auto* pageLayout = new QVBoxLayout(this);
    auto* box = new QGroupBox(tr("告警"), this);
    box->setObjectName("groupBox");
    auto* boxLayout = new QVBoxLayout(box);
    tableWidget = new QTableWidget(0, ColumnCount, box);
    tableWidget->setObjectName("tableWidget");
    tableWidget->setHorizontalHeaderLabels({tr("Serial"), tr("Time"), tr("Type")});
    tableWidget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableWidget->setSelectionBehavior(QAbstractItemView::SelectRows);
    tableWidget->verticalHeader()->setVisible(false);
    tableWidget->setAlternatingRowColors(true);
    boxLayout->addWidget(tableWidget);
    pageLayout->addWidget(box);
}

void AlarmNotificationWidget::load() {
    if (const QSharedPointer<ZRSDKInstance> camera = session.toStrongRef()) {
        camera->subscribeAlarms();
    }
}

void AlarmNotificationWidget::onAlarmEventChanged(QVariant var) {
    const QVariantMap event = var.toMap();
    const int row = tableWidget->rowCount();
    tableWidget->insertRow(row);
    tableWidget->setItem(row, SerialColumn, new QTableWidgetItem(QString("%1").arg(row + 1)));
    tableWidget->setItem(
        row, TimeColumn,
        new QTableWidgetItem(event.value("datetime").toDateTime().toString(Qt::TextDate)));
    tableWidget->setItem(row, TypeColumn, new QTableWidgetItem(event.value("type").toString()));
}
