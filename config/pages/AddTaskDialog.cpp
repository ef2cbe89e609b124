#include "AddTaskDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "ShieldTaskManager.h"
#include "zrsdk_instance.h"

namespace {

// A new period lasts eight hours less a second, so that three fill a day.
constexpr int kProposedLength = 28799;

const char* const kLabelNames[] = {"Label",   "Label_2", "Label_3", "Label_4",
                                   "Label_5", "Label_6", "Label_7"};

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

}  // namespace

AddTaskDialog::AddTaskDialog(ZRSDKInstance* session, QWidget* parent)
    : QDialog(parent), session(session) {
    buildForm();
    retranslate();
    tipLabel->setStyleSheet("font:bold; color:red");
    connect(alarmPushButton, &QPushButton::clicked, this, &AddTaskDialog::playAlarm);
}

void AddTaskDialog::buildForm() {
    setObjectName("AddTaskDialog");
    resize(365, 364);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* box = named(new QGroupBox(this), "groupBox");
    auto* boxLayout = new QVBoxLayout(box);
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    roiComboBox = named(new QComboBox(box), "roiComboBox");
    beginTimeEdit = named(new QTimeEdit(box), "beginTimeEdit");
    beginTimeEdit->setDisplayFormat("hh:mm:ss");
    endTimeEdit = named(new QTimeEdit(box), "endTimeEdit");
    endTimeEdit->setDisplayFormat("hh:mm:ss");
    repeatSpinBox = named(new QSpinBox(box), "repeatSpinBox");
    repeatSpinBox->setRange(1, 3);
    repeatSpinBox->setValue(1);
    weekdayComboBox = named(new QComboBox(box), "weekdayComboBox");
    toneTypeComboBox = named(new QComboBox(box), "toneTypeComboBox");
    alarmPushButton = named(new QPushButton(box), "alarmPushButton");
    alarmPushButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    QWidget* fields[] = {roiComboBox,     beginTimeEdit,    endTimeEdit,    repeatSpinBox,
                         weekdayComboBox, toneTypeComboBox, alarmPushButton};
    for (int row = 0; row < 7; ++row) {
        form->addRow(named(new QLabel(box), kLabelNames[row]), fields[row]);
    }
    boxLayout->addLayout(form);
    tipLabel = named(new QLabel(box), "tipLabel");
    boxLayout->addWidget(tipLabel);
    layout->addWidget(box);
    buttonBox = named(
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Horizontal, this),
        "buttonBox");
    connect(buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttonBox);
}

void AddTaskDialog::retranslate() {
    setWindowTitle(tr("布防设置"));
    const QString labels[] = {tr("布防区域"), tr("布防时间"), tr("撤防时间"), tr("重复次数"),
                              tr("布防日"),   tr("报警声音"), tr("试听")};
    for (int row = 0; row < 7; ++row) {
        findChild<QLabel*>(kLabelNames[row])->setText(labels[row]);
    }
    alarmPushButton->setText(tr("📢"));
}

void AddTaskDialog::setAreas(const ShieldTaskManager* areas) {
    store = areas;
    if (store->regions().isEmpty()) {
        tipLabel->setText(tr("必须先建立一个有效的布防区域，可以在视频界面拖动鼠标建立"));
        buttonBox->button(QDialogButtonBox::Ok)->setEnabled(false);
    } else {
        for (int index = 0; index < store->regions().size(); ++index) {
            roiComboBox->addItem(ShieldTaskManager::regionName(index));
        }
        roiComboBox->setCurrentIndex(roiComboBox->count() - 1);
    }
    proposeTimes();
    for (const auto& day : store->dayLabels()) {
        weekdayComboBox->addItem(day.second, day.first);
    }
    for (int tone : store->toneTypes()) {
        toneTypeComboBox->addItem(ShieldTaskManager::toneName(), tone);
    }
}

// A new period of a region starts where its latest one ends.
void AddTaskDialog::proposeTimes() {
    beginTimeEdit->setTime(QTime(0, 0));
    endTimeEdit->setTime(QTime(0, 0).addSecs(kProposedLength));
    const QList<ShieldTask>& tasks = store->tasks();
    for (auto task = tasks.crbegin(); task != tasks.crend(); ++task) {
        if (task->region == roiComboBox->currentIndex()) {
            const QTime begin = task->end.addSecs(1);
            beginTimeEdit->setTime(begin);
            endTimeEdit->setTime(begin.addSecs(kProposedLength));
            return;
        }
    }
}

ShieldTask AddTaskDialog::task() const {
    ShieldTask result;
    result.region = roiComboBox->currentIndex();
    result.begin = beginTimeEdit->time();
    result.end = endTimeEdit->time();
    result.dayMask = weekdayComboBox->currentData().toInt();
    result.repeat = repeatSpinBox->value();
    result.tone = toneTypeComboBox->currentData().toUInt();
    return result;
}

void AddTaskDialog::playAlarm() {
    if (session == nullptr || toneTypeComboBox->currentIndex() < 0) {
        return;
    }
    session->auditionAlarmSound(static_cast<int>(toneTypeComboBox->currentData().toUInt()));
}
