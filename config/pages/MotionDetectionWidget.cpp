#include "MotionDetectionWidget.h"

#include <QAuthenticator>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimeEdit>
#include <QVBoxLayout>
#include <cstring>
#include <utility>

#include "GridVideoWidget.h"
#include "Overlay.h"
#include "RtspLocation.h"
#include "control_assignment_group.h"
#include "netsdk.h"
#include "save_after_read.h"
#include "zrsdk_instance.h"

namespace {

constexpr int kArmingPeriods = 4;
constexpr int kLargestGridSide = 12;
constexpr int kEveryDay = 127;
constexpr int kNameColumn = 0;
constexpr int kBeginColumn = 1;
constexpr int kEndColumn = 2;
const char* const kTimeFormat = "hh:mm:ss";

// The day values of the period list, in the order the list offers them.
const std::pair<unsigned int, const char*> kDays[] = {
    {2, QT_TRANSLATE_NOOP("MotionDetectionWidget", "周一")},
    {4, QT_TRANSLATE_NOOP("MotionDetectionWidget", "周二")},
    {8, QT_TRANSLATE_NOOP("MotionDetectionWidget", "周三")},
    {16, QT_TRANSLATE_NOOP("MotionDetectionWidget", "周四")},
    {32, QT_TRANSLATE_NOOP("MotionDetectionWidget", "周五")},
    {64, QT_TRANSLATE_NOOP("MotionDetectionWidget", "周六")},
    {1, QT_TRANSLATE_NOOP("MotionDetectionWidget", "周日")},
    {kEveryDay, QT_TRANSLATE_NOOP("MotionDetectionWidget", "每天")},
};

QTime timeFromSeconds(int seconds) {
    return QTime(0, 0).addSecs(seconds);
}

int secondsOf(const QTime& time) {
    return QTime(0, 0).secsTo(time);
}

QString shapeText(int rows, int columns) {
    return QStringLiteral("%1 x %2").arg(rows).arg(columns);
}

QSpinBox* percentSpinBox(const char* objectName) {
    auto* box = new QSpinBox;
    box->setObjectName(objectName);
    box->setRange(1, 100);
    return box;
}

QTimeEdit* timeEdit(const char* objectName, const QTime& initial) {
    auto* edit = new QTimeEdit(initial);
    edit->setObjectName(objectName);
    edit->setDisplayFormat(kTimeFormat);
    return edit;
}

QCheckBox* checkedBox(const char* objectName, const QString& text) {
    auto* box = new QCheckBox(text);
    box->setObjectName(objectName);
    box->setChecked(true);
    return box;
}

QPushButton* pushButton(const char* objectName, const QString& text) {
    auto* button = new QPushButton(text);
    button->setObjectName(objectName);
    return button;
}

}  // namespace

MotionDetectionWidget::MotionDetectionWidget(ZRSDKInstance* session, QWidget* parent)
    : QWidget(parent), session(session) {
    buildForm();
    fillRegionShapes();
    fillSegments();
    controlGroup = new ControlAssignmentGroup(this);
    controlGroup->addButton(resetPushButton);
    connect(regionComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &MotionDetectionWidget::regionSelected);
    connect(addPushButton, &QPushButton::clicked, this, &MotionDetectionWidget::addFortification);
    connect(removePushButton, &QPushButton::clicked, this,
            &MotionDetectionWidget::removeFortification);
    connect(savePushButton, &QPushButton::clicked, this, &MotionDetectionWidget::save);
    connect(tableWidget, &QTableWidget::itemSelectionChanged, this,
            &MotionDetectionWidget::updateUi);
    saveRule = new SaveAfterRead({savePushButton});
    QMetaObject::invokeMethod(this, "load", Qt::QueuedConnection);
}

QString MotionDetectionWidget::weekdayName(unsigned int day) {
    static const QMap<unsigned int, QString> names = [] {
        QMap<unsigned int, QString> map;
        for (const auto& [value, text] : kDays) {
            map.insert(value, tr(text));
        }
        return map;
    }();
    return names.value(day);
}

void MotionDetectionWidget::buildForm() {
    setObjectName("MotionDetectionWidget");
    setWindowTitle(tr("MotionDetectionWidget"));
    resize(715, 632);

    frame = new QFrame(this);
    frame->setObjectName("frame");
    frame->setFrameShape(QFrame::NoFrame);
    frame->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    resetPushButton = pushButton("resetPushButton", tr("默认参数"));
    savePushButton = pushButton("savePushButton", tr("保存"));

    auto* settings = new QVBoxLayout;
    settings->addWidget(buildDetectionGroup());
    settings->addWidget(buildNightGroup());
    settings->addWidget(buildArmingGroup());
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(resetPushButton);
    buttons->addWidget(savePushButton);
    buttons->addStretch();
    settings->addLayout(buttons);

    auto* page = new QHBoxLayout(this);
    page->addLayout(settings);
    page->addWidget(frame, 1);
}

QWidget* MotionDetectionWidget::buildDetectionGroup() {
    motionDetectionGroupBox = new QGroupBox(tr("移动侦测告警"), this);
    motionDetectionGroupBox->setObjectName("motionDetectionGroupBox");
    motionDetectionGroupBox->setCheckable(true);
    daySensitivitySpinBox = percentSpinBox("daySensitivitySpinBox");
    dayThresholdSpinBox = percentSpinBox("dayThresholdSpinBox");
    regionComboBox = new QComboBox;
    regionComboBox->setObjectName("regionComboBox");

    auto* actions = new QGroupBox(tr("报警方式"));
    actions->setObjectName("groupBox_20");
    alarmLightsCheckBox = checkedBox("alarmLightsCheckBox", tr("警示灯闪烁"));
    toneBroadcastCheckBox = checkedBox("toneBroadcastCheckBox", tr("播放提示音"));
    auto* actionsLayout = new QHBoxLayout(actions);
    actionsLayout->addWidget(alarmLightsCheckBox);
    actionsLayout->addWidget(toneBroadcastCheckBox);

    auto* rows = new QFormLayout(motionDetectionGroupBox);
    rows->addRow(tr("灵敏度(1-100)"), daySensitivitySpinBox);
    rows->addRow(tr("告警门限(1-100)"), dayThresholdSpinBox);
    rows->addRow(tr("区域数量"), regionComboBox);
    rows->addRow(actions);
    return motionDetectionGroupBox;
}

QWidget* MotionDetectionWidget::buildNightGroup() {
    nightGroupBox = new QGroupBox(tr("启用夜间参数"), this);
    nightGroupBox->setObjectName("nightGroupBox");
    nightGroupBox->setCheckable(true);
    nightSensitivitySpinBox = percentSpinBox("nightSensitivitySpinBox");
    nightThresholdSpinBox = percentSpinBox("nightThresholdSpinBox");
    nightEndTimeEdit = timeEdit("nightEndTimeEdit", QTime(6, 0));
    nightStartTimeEdit = timeEdit("nightStartTimeEdit", QTime(18, 0));

    auto* rows = new QFormLayout(nightGroupBox);
    rows->addRow(tr("灵敏度(1-100)"), nightSensitivitySpinBox);
    rows->addRow(tr("告警门限(1-100)"), nightThresholdSpinBox);
    rows->addRow(tr("夜间结束时间"), nightEndTimeEdit);
    rows->addRow(tr("夜间起始时间"), nightStartTimeEdit);
    return nightGroupBox;
}

QWidget* MotionDetectionWidget::buildArmingGroup() {
    auto* group = new QGroupBox(tr("移动侦测设防时间"), this);
    group->setObjectName("groupBox_2");
    tableWidget = new QTableWidget(0, 3);
    tableWidget->setObjectName("tableWidget");
    tableWidget->setHorizontalHeaderLabels({tr("时段"), tr("起始时间"), tr("结束时间")});
    tableWidget->verticalHeader()->hide();
    tableWidget->setSelectionBehavior(QAbstractItemView::SelectRows);
    tableWidget->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    fortificationStartTimeEdit = timeEdit("fortificationStartTimeEdit", QTime(0, 0));
    fortificationEndTimeEdit = timeEdit("fortificationEndTimeEdit", QTime(23, 59, 59));
    segmentComboBox = new QComboBox;
    segmentComboBox->setObjectName("segmentComboBox");
    addPushButton = pushButton("addPushButton", tr("添加"));
    removePushButton = pushButton("removePushButton", tr("删除"));

    auto* editors = new QGridLayout;
    editors->addWidget(new QLabel(tr("起始时间")), 0, 0);
    editors->addWidget(fortificationStartTimeEdit, 0, 1);
    editors->addWidget(new QLabel(tr("结束时间")), 0, 2);
    editors->addWidget(fortificationEndTimeEdit, 0, 3);
    editors->addWidget(new QLabel(tr("时段")), 1, 0);
    editors->addWidget(segmentComboBox, 1, 1);
    editors->addWidget(addPushButton, 1, 2);
    editors->addWidget(removePushButton, 1, 3);

    auto* layout = new QVBoxLayout(group);
    layout->addWidget(tableWidget);
    layout->addLayout(editors);
    return group;
}

// Each shape goes on top, so the list runs from 12 x 12 down to 1 x 1.
void MotionDetectionWidget::fillRegionShapes() {
    for (int rows = 1; rows <= kLargestGridSide; ++rows) {
        for (int columns = 1; columns <= rows; ++columns) {
            regionComboBox->insertItem(0, shapeText(rows, columns), QSize(rows, columns));
        }
    }
}

void MotionDetectionWidget::fillSegments() {
    for (const auto& [value, text] : kDays) {
        segmentComboBox->addItem(weekdayName(value), value);
    }
}

void MotionDetectionWidget::startPreview(QWidget* container) {
    delete grid;
    grid = new GridVideoWidget(container);
    grid->setObjectName("grid");
    QLayout* layout = container->layout();
    if (layout == nullptr) {
        layout = new QVBoxLayout(container);
    }
    layout->addWidget(grid);
    if (session == nullptr) {
        return;
    }
    const QAuthenticator* login = session->authenticator();
    grid->play(rtspLocation(
        QStringLiteral("%1:%2@%3")
            .arg(login->user(), login->password(), session->hostAddress().toString())));
}

void MotionDetectionWidget::load() {
    saveRule->load([this] { return readSettings(); });
}

bool MotionDetectionWidget::readSettings() {
    startPreview(frame);
    NETSDK_PARAM_MOTION* record = session ? session->motionDetectionConfig(false) : nullptr;
    if (record == nullptr) {
        return false;
    }
    motionDetectionGroupBox->setChecked(record->enabled.value != 0);
    controlGroup->assignGroupBox(motionDetectionGroupBox, record->enabled.defaultValue != 0);
    daySensitivitySpinBox->setValue(record->daySensitivity.value);
    controlGroup->assignSpinBox(daySensitivitySpinBox, record->daySensitivity.defaultValue);
    dayThresholdSpinBox->setValue(record->dayThreshold.value);
    controlGroup->assignSpinBox(dayThresholdSpinBox, record->dayThreshold.defaultValue);
    alarmLightsCheckBox->setChecked(record->flashLight.value != 0);
    controlGroup->assignCheckBox(alarmLightsCheckBox, record->flashLight.defaultValue != 0);
    toneBroadcastCheckBox->setChecked(record->promptTone.value != 0);
    controlGroup->assignCheckBox(toneBroadcastCheckBox, record->promptTone.defaultValue != 0);
    nightGroupBox->setChecked(record->nightEnabled.value != 0);
    controlGroup->assignGroupBox(nightGroupBox, record->nightEnabled.defaultValue != 0);
    nightSensitivitySpinBox->setValue(record->nightSensitivity.value);
    controlGroup->assignSpinBox(nightSensitivitySpinBox, record->nightSensitivity.defaultValue);
    nightThresholdSpinBox->setValue(record->nightThreshold.value);
    controlGroup->assignSpinBox(nightThresholdSpinBox, record->nightThreshold.defaultValue);
    const NETSDK_RANGE_SLOT& nightStart = record->night.ranges[0];
    const NETSDK_RANGE_SLOT& nightEnd = record->night.ranges[1];
    nightStartTimeEdit->setTime(timeFromSeconds(nightStart.value));
    controlGroup->assignTimeEdit(nightStartTimeEdit, timeFromSeconds(nightStart.defaultValue));
    nightEndTimeEdit->setTime(timeFromSeconds(nightEnd.value));
    controlGroup->assignTimeEdit(nightEndTimeEdit, timeFromSeconds(nightEnd.defaultValue));

    // The counts index the fixed cell array, so hold them inside it whatever arrived.
    const int rows = qBound(0, record->gridRows, int(NETSDK_MOTION_GRID_ROWS));
    const int columns = qBound(0, record->gridColumns, int(NETSDK_MOTION_GRID_COLUMNS));
    loadedCells = QBitArray(rows * columns, true);
    for (int column = 0; column < columns; ++column) {
        for (int row = 0; row < rows; ++row) {
            loadedCells.setBit(column * rows + row, record->cells[row][column] != 0);
        }
    }
    showGridShape(rows, columns);

    for (const NETSDK_TIME_SEGMENT& window : record->windows) {
        if (window.head.value <= 0) {
            continue;
        }
        const unsigned int day = static_cast<unsigned int>(window.ranges[2].value);
        addArmingRow({weekdayName(day), day, timeFromSeconds(window.ranges[0].value),
                      timeFromSeconds(window.ranges[1].value)});
        const int offered = segmentComboBox->findData(day);
        if (offered >= 0) {
            segmentComboBox->removeItem(offered);
        }
    }
    updateUi();
    return true;
}

// Selects the camera's grid shape in the list (adding it on top when the list lacks it) and
// shows it with the loaded cells, also when that entry was current already.
void MotionDetectionWidget::showGridShape(int rows, int columns) {
    int index = regionComboBox->findData(QSize(rows, columns));
    if (index < 0) {
        regionComboBox->setCurrentIndex(-1);
        regionComboBox->insertItem(0, shapeText(rows, columns), QSize(rows, columns));
        index = 0;
    }
    if (regionComboBox->currentIndex() == index) {
        regionSelected(index);
    } else {
        regionComboBox->setCurrentIndex(index);
    }
}

void MotionDetectionWidget::regionSelected(int index) {
    if (index < 0 || grid == nullptr) {
        return;
    }
    const QSize shape = regionComboBox->itemData(index).toSize();
    grid->setGrid(shape.width(), shape.height(), loadedCells);
}

// The grid reports a cell as watched only while it is on screen. A save from a page that is
// not shown reads each cell's own shown or hidden state instead, so that it cannot store
// every cell as not watched.
QBitArray MotionDetectionWidget::watchedCells(int* rows, int* columns) const {
    QBitArray cells = grid->selectedCells(rows, columns);
    if (grid->isVisible()) {
        return cells;
    }
    const QList<Overlay*> overlays =
        grid->findChildren<Overlay*>(QString(), Qt::FindDirectChildrenOnly);
    if (overlays.size() != cells.size()) {
        return loadedCells;
    }
    for (int k = 0; k < cells.size(); ++k) {
        cells.setBit(k, !overlays[k]->isHidden());
    }
    return cells;
}

void MotionDetectionWidget::addArmingRow(const ArmingRow& row) {
    const int line = tableWidget->rowCount();
    tableWidget->insertRow(line);
    auto* name = new QTableWidgetItem(row.name);
    name->setTextAlignment(Qt::AlignCenter);
    name->setData(Qt::UserRole, row.day);
    tableWidget->setItem(line, kNameColumn, name);
    tableWidget->setItem(line, kBeginColumn, new QTableWidgetItem(row.begin.toString(kTimeFormat)));
    tableWidget->setItem(line, kEndColumn, new QTableWidgetItem(row.end.toString(kTimeFormat)));
}

void MotionDetectionWidget::addFortification() {
    const int current = segmentComboBox->currentIndex();
    if (current < 0) {
        return;
    }
    addArmingRow({segmentComboBox->currentText(), segmentComboBox->currentData().toUInt(),
                  fortificationStartTimeEdit->time(), fortificationEndTimeEdit->time()});
    segmentComboBox->removeItem(current);
    updateUi();
}

void MotionDetectionWidget::removeFortification() {
    while (!tableWidget->selectedItems().isEmpty()) {
        // The day lives in the row's name cell, whichever cell of the row is selected.
        const int line = tableWidget->selectedItems().first()->row();
        const unsigned int day = tableWidget->item(line, kNameColumn)->data(Qt::UserRole).toUInt();
        tableWidget->removeRow(line);
        segmentComboBox->addItem(weekdayName(day), day);
    }
    updateUi();
}

void MotionDetectionWidget::updateUi() {
    removePushButton->setEnabled(!tableWidget->selectedItems().isEmpty());
    addPushButton->setEnabled(tableWidget->rowCount() < kArmingPeriods);
}

void MotionDetectionWidget::save() {
    NETSDK_PARAM_MOTION* record = session ? session->motionDetectionConfig(false) : nullptr;
    if (record == nullptr || grid == nullptr) {
        return;
    }
    record->enabled.value = motionDetectionGroupBox->isChecked();
    record->daySensitivity.value = daySensitivitySpinBox->value();
    record->dayThreshold.value = dayThresholdSpinBox->value();
    record->flashLight.value = alarmLightsCheckBox->isChecked();
    record->promptTone.value = toneBroadcastCheckBox->isChecked();
    record->nightEnabled.value = nightGroupBox->isChecked();
    record->nightSensitivity.value = nightSensitivitySpinBox->value();
    record->nightThreshold.value = nightThresholdSpinBox->value();
    record->night.ranges[0].value = secondsOf(nightStartTimeEdit->time());
    record->night.ranges[1].value = secondsOf(nightEndTimeEdit->time());

    std::memset(record->cells, 1, sizeof record->cells);
    int rows = 0;
    int columns = 0;
    loadedCells = watchedCells(&rows, &columns);
    record->gridRows = rows;
    record->gridColumns = columns;
    for (int column = 0; column < qMin(columns, int(NETSDK_MOTION_GRID_COLUMNS)); ++column) {
        for (int row = 0; row < qMin(rows, int(NETSDK_MOTION_GRID_ROWS)); ++row) {
            const int bit = column * rows + row;
            record->cells[row][column] = bit < loadedCells.size() && loadedCells.testBit(bit);
        }
    }

    std::memset(record->windows, 0, sizeof record->windows);
    for (int line = 0; line < qMin(tableWidget->rowCount(), kArmingPeriods); ++line) {
        NETSDK_TIME_SEGMENT& window = record->windows[line];
        window.head.value = 1;
        window.ranges[0].value = secondsOf(
            QTime::fromString(tableWidget->item(line, kBeginColumn)->text(), kTimeFormat));
        window.ranges[1].value =
            secondsOf(QTime::fromString(tableWidget->item(line, kEndColumn)->text(), kTimeFormat));
        window.ranges[2].value = tableWidget->item(line, kNameColumn)->data(Qt::UserRole).toInt();
    }
    session->saveMotionDetectionConfig(this);
}
