#include "CoverDetectionWidget.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <cstring>

#include "AddTaskDialog.h"
#include "DragWidget.h"
#include "Overlay.h"
#include "ShieldTaskManager.h"
#include "VideoSurface.h"
#include "control_assignment_group.h"
#include "netsdk.h"
#include "picture_geometry.h"
#include "save_after_read.h"
#include "slot_float.h"
#include "zrsdk_instance.h"

namespace {

constexpr int kArmingRows = 4;
constexpr int kLoadedRepeat = 1;
constexpr int kLoadedTone = 11;
// The overlay is placed once the preview has had time to take its size.
constexpr int kPlaceRegionDelayMs = 500;

// The region edges travel as 32-bit floats in the slots' value words.
void setPercent(NETSDK_RANGE_SLOT& slot, double percent) {
    slot.value = wordFromFloat(static_cast<float>(qBound(0.0, percent, 100.0)));
}

// The edges as the frame shows them: a damaged edge (not a number, infinite or huge) that
// the user did not drag must not go back to the camera as it came.
void holdRegionToPicture(NETSDK_PARAM_COVER_DETECT& record) {
    for (NETSDK_RANGE_SLOT* edge : {&record.left, &record.top, &record.right, &record.bottom}) {
        setPercent(*edge, percentFromWord(edge->value));
    }
}

QTime timeFromSeconds(int seconds) {
    return QTime(0, 0).addSecs(seconds);
}

QSpinBox* readOnlyMirror(const char* objectName, int maximum, QSlider* slider) {
    auto* box = new QSpinBox;
    box->setObjectName(objectName);
    box->setReadOnly(true);
    box->setButtonSymbols(QAbstractSpinBox::NoButtons);
    box->setRange(slider->minimum(), maximum);
    QObject::connect(slider, &QSlider::valueChanged, box, &QSpinBox::setValue);
    return box;
}

QSlider* levelSlider(const char* objectName, int minimum, int maximum, int pageStep) {
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setObjectName(objectName);
    slider->setRange(minimum, maximum);
    slider->setPageStep(pageStep);
    return slider;
}

QLabel* namedLabel(const char* objectName, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(objectName);
    return label;
}

}  // namespace

CoverDetectionWidget::CoverDetectionWidget(ZRSDKInstance* session, QWidget* parent)
    : BaseVideoWidget(session, parent) {
    taskManager = new ShieldTaskManager(this);
    buildForm();
    taskManager->setTableView(tableWidget);
    // The arming dialog always has the one region to offer, placed or not.
    taskManager->setRegion(0, QPolygonF(), Qt::blue, Qt::black);
    controlGroup->addButton(resetPushButton);
    connect(savePushButton, &QPushButton::clicked, this, &CoverDetectionWidget::save);
    connect(addToolButton, &QToolButton::clicked, this, &CoverDetectionWidget::addDetection);
    connect(removeToolButton, &QToolButton::clicked, this, &CoverDetectionWidget::removeDetection);
    connect(tableWidget, &QTableWidget::itemChanged, this, &CoverDetectionWidget::updateUi);
    connect(tableWidget, &QTableWidget::itemSelectionChanged, this,
            &CoverDetectionWidget::updateUi);
    saveRule = new SaveAfterRead({savePushButton});
    QMetaObject::invokeMethod(this, "load", Qt::QueuedConnection);
}

CoverDetectionWidget::~CoverDetectionWidget() {
    delete taskManager;
}

void CoverDetectionWidget::buildForm() {
    setObjectName("CoverDetectionWidget");
    setWindowTitle(tr("CoverDetectionWidget"));
    resize(757, 559);

    videoFrame = new QFrame(this);
    videoFrame->setObjectName("videoFrame");
    videoFrame->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    tableWidget = new QTableWidget(0, 6, this);
    tableWidget->setObjectName("tableWidget");
    tableWidget->setHorizontalHeaderLabels(
        {tr("布防区域"), tr("布防时间"), tr("撤防时间"), tr("布防日"), tr("重复次数"), tr("声音")});
    tableWidget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableWidget->setSelectionBehavior(QAbstractItemView::SelectRows);
    tableWidget->horizontalHeader()->setDefaultSectionSize(100);
    tableWidget->verticalHeader()->hide();
    tableWidget->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    resetPushButton = new QPushButton(tr("默认参数"), this);
    resetPushButton->setObjectName("resetPushButton");
    savePushButton = new QPushButton(tr("保存"), this);
    savePushButton->setObjectName("savePushButton");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(resetPushButton);
    buttons->addWidget(savePushButton);
    buttons->addStretch();

    auto* settings = new QVBoxLayout;
    settings->addWidget(buildDetectionGroup());
    settings->addWidget(tableWidget);
    settings->addWidget(buildArmingRow());
    settings->addLayout(buttons);

    auto* page = new QHBoxLayout(this);
    page->addLayout(settings);
    page->addWidget(videoFrame, 1);
}

QWidget* CoverDetectionWidget::buildDetectionGroup() {
    auto* panel = new QWidget(this);
    coverDetectionGroupBox = new QGroupBox(tr("启用遮挡侦测"), panel);
    coverDetectionGroupBox->setObjectName("coverDetectionGroupBox");
    coverDetectionGroupBox->setCheckable(true);
    sensLevelSlider = levelSlider("sensLevelSlider", 1, 5, 2);
    thresholdSlider = levelSlider("thresholdSlider", 0, 100, 10);
    auto* levels = new QGridLayout(coverDetectionGroupBox);
    levels->addWidget(namedLabel("label_8", tr("灵敏度(1-5)")), 0, 0);
    levels->addWidget(sensLevelSlider, 0, 1);
    levels->addWidget(readOnlyMirror("sensLevelSpinBox", 5, sensLevelSlider), 0, 2);
    levels->addWidget(namedLabel("label_10", tr("报警阈值(0-100)")), 1, 0);
    levels->addWidget(thresholdSlider, 1, 1);
    levels->addWidget(readOnlyMirror("sensLevelSpinBox_3", 100, thresholdSlider), 1, 2);

    auto* actions = new QGroupBox(tr("报警方式"), panel);
    actions->setObjectName("groupBox_20");
    alarmLightsCheckBox = new QCheckBox(tr("警示灯闪烁"));
    alarmLightsCheckBox->setObjectName("alarmLightsCheckBox");
    alarmLightsCheckBox->setChecked(true);
    toneBroadcastCheckBox = new QCheckBox(tr("播放提示音"));
    toneBroadcastCheckBox->setObjectName("toneBroadcastCheckBox");
    toneBroadcastCheckBox->setChecked(true);
    auto* actionsLayout = new QHBoxLayout(actions);
    actionsLayout->addWidget(alarmLightsCheckBox);
    actionsLayout->addWidget(toneBroadcastCheckBox);

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(coverDetectionGroupBox);
    layout->addWidget(actions);
    return panel;
}

QWidget* CoverDetectionWidget::buildArmingRow() {
    auto* row = new QWidget(this);
    addToolButton = new QToolButton(row);
    addToolButton->setObjectName("addToolButton");
    addToolButton->setText(tr("+"));
    removeToolButton = new QToolButton(row);
    removeToolButton->setObjectName("removeToolButton");
    removeToolButton->setText(tr("-"));
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    layout->addWidget(addToolButton);
    layout->addWidget(removeToolButton);
    return row;
}

void CoverDetectionWidget::resizeEvent(QResizeEvent* event) {
    resizeDetectionRegion();
    BaseVideoWidget::resizeEvent(event);
}

void CoverDetectionWidget::load() {
    saveRule->load([this] { return readSettings(); });
}

bool CoverDetectionWidget::readSettings() {
    play(videoFrame);
    connect(videoWidget, &VideoSurface::pictureSizeChanged, this,
            &CoverDetectionWidget::resizeDetectionRegion);
    NETSDK_PARAM_COVER_DETECT* record = sdk ? sdk->coverDetectionConfig(false) : nullptr;
    if (record == nullptr) {
        return false;
    }
    coverDetectionGroupBox->setChecked(record->enabled.value != 0);
    controlGroup->assignGroupBox(coverDetectionGroupBox, record->enabled.defaultValue != 0);
    sensLevelSlider->setValue(record->sensitivity.value);
    controlGroup->assignSlider(sensLevelSlider, record->sensitivity.defaultValue);
    thresholdSlider->setValue(record->threshold.value);
    controlGroup->assignSlider(thresholdSlider, record->threshold.defaultValue);
    alarmLightsCheckBox->setChecked(record->flashLight.value != 0);
    controlGroup->assignCheckBox(alarmLightsCheckBox, record->flashLight.defaultValue != 0);
    toneBroadcastCheckBox->setChecked(record->promptTone.value != 0);
    controlGroup->assignCheckBox(toneBroadcastCheckBox, record->promptTone.defaultValue != 0);

    createRegionOverlay();
    QTimer::singleShot(kPlaceRegionDelayMs, this, &CoverDetectionWidget::resizeDetectionRegion);

    for (const NETSDK_TIME_SEGMENT& window : record->windows) {
        if (window.head.value <= 0) {
            continue;
        }
        ShieldTask task;
        task.region = 0;
        task.repeat = kLoadedRepeat;
        task.tone = kLoadedTone;
        task.begin = timeFromSeconds(window.ranges[0].value);
        task.end = timeFromSeconds(window.ranges[1].value);
        task.dayMask = window.ranges[2].value;
        taskManager->addTask(task);
    }
    updateUi();
    return true;
}

// The region frame lies on the preview's video widget; it shows once it has been placed.
void CoverDetectionWidget::createRegionOverlay() {
    regionOverlay = new Overlay(0, videoWidget);
    regionOverlay->filled = false;
    regionOverlay->hide();
    regionOverlay->defaultColor = Qt::blue;
    auto* drag = new DragWidget(regionOverlay);
    connect(drag, &DragWidget::widgetReleased, this, &CoverDetectionWidget::onRegionChanged);
}

void CoverDetectionWidget::resizeDetectionRegion() {
    if (regionOverlay.isNull() || !sdk) {
        return;
    }
    NETSDK_PARAM_COVER_DETECT* record = sdk->coverDetectionConfig(false);
    if (record == nullptr) {
        return;
    }
    QWidget* video = regionOverlay->parentWidget();
    // Without the picture size the region is still shown, over the whole view; it cannot be
    // edited then (see onRegionChanged).
    const QSize pictureSize = regionPictureSize();
    const QSize shownPicture = pictureSize.isValid() ? pictureSize : video->size();
    const QPoint topLeft = mapPercentToWidget(
        video, shownPicture,
        QPointF(percentFromWord(record->left.value), percentFromWord(record->top.value)));
    const QPoint bottomRight = mapPercentToWidget(
        video, shownPicture,
        QPointF(percentFromWord(record->right.value), percentFromWord(record->bottom.value)));
    const QRect region(topLeft, bottomRight);
    regionOverlay->setGeometry(region);
    regionOverlay->show();
    taskManager->setRegion(0, QPolygonF(QRectF(region)), Qt::blue, Qt::black);
}

// The size the region's percents refer to (see VideoSurface::overlayPictureSize); invalid
// while there is neither a picture nor a readable sub-stream resolution.
QSize CoverDetectionWidget::regionPictureSize() const {
    const QSize record = sdk ? sdk->streamResolution(1, false) : QSize();
    return videoWidget ? videoWidget->overlayPictureSize(record) : record;
}

void CoverDetectionWidget::onRegionChanged(QWidget* widget, QMouseEvent*) {
    NETSDK_PARAM_COVER_DETECT* record = sdk ? sdk->coverDetectionConfig(false) : nullptr;
    if (record == nullptr || widget->parentWidget() == nullptr) {
        return;
    }
    const QSize pictureSize = regionPictureSize();
    if (!pictureSize.isValid()) {
        // No size to convert with: the camera's region stays, and so does its frame.
        resizeDetectionRegion();
        return;
    }
    QWidget* video = widget->parentWidget();
    const QPointF topLeft = mapWidgetToPercent(video, pictureSize, widget->geometry().topLeft());
    const QPointF bottomRight =
        mapWidgetToPercent(video, pictureSize, widget->geometry().bottomRight());
    setPercent(record->left, topLeft.x());
    setPercent(record->top, topLeft.y());
    setPercent(record->right, bottomRight.x());
    setPercent(record->bottom, bottomRight.y());
}

void CoverDetectionWidget::addDetection() {
    AddTaskDialog dialog(sdk.data(), this);
    dialog.setAreas(taskManager);
    if (dialog.exec() == QDialog::Accepted) {
        taskManager->addTask(dialog.task());
    }
    updateUi();
}

void CoverDetectionWidget::removeDetection() {
    taskManager->removeSelectedTask();
    updateUi();
}

void CoverDetectionWidget::updateUi() {
    removeToolButton->setEnabled(!tableWidget->selectedItems().isEmpty());
    addToolButton->setEnabled(tableWidget->rowCount() < kArmingRows);
}

void CoverDetectionWidget::save() {
    NETSDK_PARAM_COVER_DETECT* record = sdk ? sdk->coverDetectionConfig(false) : nullptr;
    if (record == nullptr) {
        return;
    }
    record->enabled.value = coverDetectionGroupBox->isChecked();
    record->sensitivity.value = sensLevelSlider->value();
    record->threshold.value = thresholdSlider->value();
    record->flashLight.value = alarmLightsCheckBox->isChecked();
    record->promptTone.value = toneBroadcastCheckBox->isChecked();
    holdRegionToPicture(*record);

    std::memset(record->windows, 0, sizeof record->windows);
    const auto& tasks = taskManager->tasks();
    for (int index = 0; index < qMin(int(tasks.size()), kArmingRows); ++index) {
        const ShieldTask& task = tasks.at(index);
        NETSDK_TIME_SEGMENT& window = record->windows[index];
        window.head.value = 1;
        window.ranges[0].value = QTime(0, 0).secsTo(task.begin);
        window.ranges[1].value = QTime(0, 0).secsTo(task.end);
        window.ranges[2].value = task.dayMask;
    }
    sdk->saveCoverDetectionConfig(this);
}
