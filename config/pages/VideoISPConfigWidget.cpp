#include "VideoISPConfigWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include "control_assignment_group.h"
#include "netsdk.h"
#include "save_after_read.h"
#include "zrsdk_instance.h"

namespace {

using Record = NETSDK_PARAM_VIDEO_CAPTURE;

// The levels that a spin box shows, by spin box.
struct LevelField {
    const char* spinBoxName;
    NETSDK_RANGE_SLOT Record::*slot;
};
constexpr LevelField kLevelFields[] = {
    {"spbBrightness", &Record::brightness},   {"spbContrast", &Record::contrast},
    {"spbSaturation", &Record::saturation},   {"spbSharpness", &Record::sharpness},
    {"spbBacklight", &Record::backlight},     {"spbAEStep", &Record::aeSensitivity},
    {"spbAETolerance", &Record::aeTolerance},
};

// The on/off settings that a check box shows.
struct SwitchField {
    const char* checkBoxName;
    NETSDK_SHORT_SLOT Record::*slot;
};
constexpr SwitchField kSwitchFields[] = {
    {"ckbHFlip", &Record::horizontalFlip},
    {"ckbVFlip", &Record::verticalFlip},
    {"ckbPreventExposure", &Record::preventOverExposure},
};

// A feature with the modes off, automatic strength and manual strength, shown in one combo.
enum Mode { ModeOff = 0, ModeAuto = 1, ModeManual = 2 };
struct ModeFields {
    NETSDK_SHORT_SLOT Record::*enabled;
    NETSDK_SHORT_SLOT Record::*automatic;  // nonzero: the camera picks the strength
    NETSDK_RANGE_SLOT Record::*strength;
};
constexpr ModeFields kWdr = {&Record::wdrEnabled, &Record::wdrStrengthOff, &Record::wdrStrength};
constexpr ModeFields kDenoise = {&Record::noiseReduction, &Record::noiseStrengthOff,
                                 &Record::noiseStrength};

int modeIndex(const Record& record, const ModeFields& fields) {
    if ((record.*fields.enabled).value == 0) {
        return ModeOff;
    }
    return (record.*fields.automatic).value != 0 ? ModeAuto : ModeManual;
}

// Off keeps the strength settings the camera has; only manual sends a strength.
void writeMode(Record& record, const ModeFields& fields, int index, int strength) {
    switch (index) {
        case ModeOff:
            (record.*fields.enabled).value = 0;
            break;
        case ModeAuto:
            (record.*fields.enabled).value = 1;
            (record.*fields.automatic).value = 1;
            break;
        case ModeManual:
            (record.*fields.enabled).value = 1;
            (record.*fields.automatic).value = 0;
            (record.*fields.strength).value = strength;
            break;
        default:
            break;
    }
}

constexpr int kPal = 50;
constexpr int kNtsc = 60;

QComboBox* disabledEmptyCombo(const char* objectName) {
    auto* combo = new QComboBox;
    combo->setObjectName(objectName);
    combo->setEnabled(false);
    return combo;
}

QCheckBox* namedCheckBox(const char* objectName) {
    auto* box = new QCheckBox;
    box->setObjectName(objectName);
    return box;
}

}  // namespace

VideoISPConfigWidget::VideoISPConfigWidget(ZRSDKInstance* session, QWidget* parent)
    : BaseVideoWidget(session, parent) {
    buildForm();
    controlGroup->addButton(resetPushButton);
    connect(savePushButton, &QPushButton::clicked, this, &VideoISPConfigWidget::save);
    connect(cbxAdvancedAttrImageWdr, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &VideoISPConfigWidget::onImageWdrIndexChanged);
    connect(threeDimDenoiseComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &VideoISPConfigWidget::on3DDenoiseIndexChanged);
    onImageWdrIndexChanged(cbxAdvancedAttrImageWdr->currentIndex());
    on3DDenoiseIndexChanged(threeDimDenoiseComboBox->currentIndex());
    saveRule = new SaveAfterRead({savePushButton});
    QMetaObject::invokeMethod(this, "load", Qt::QueuedConnection);
}

void VideoISPConfigWidget::buildForm() {
    setObjectName("VideoISPConfigWidget");
    setWindowTitle(tr("VideoISPConfigWidget"));

    auto* groups = new QHBoxLayout;
    groups->addWidget(buildCaptureGroup());
    groups->addWidget(buildAdvancedGroup());

    frameVideoISP = new QFrame(this);
    frameVideoISP->setObjectName("frameVideoISP");
    frameVideoISP->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    auto* page = new QVBoxLayout(this);
    page->addLayout(groups);
    page->addWidget(frameVideoISP, 1);
    page->addWidget(buildButtonBar());
}

VideoISPConfigWidget::LevelRow VideoISPConfigWidget::makeLevelRow(const char* labelName,
                                                                  const QString& text,
                                                                  const char* sliderName,
                                                                  const char* spinBoxName,
                                                                  int maximum, QWidget* parent) {
    LevelRow row{new QLabel(text, parent), new QSlider(Qt::Horizontal, parent),
                 new QSpinBox(parent)};
    row.label->setObjectName(labelName);
    row.slider->setObjectName(sliderName);
    row.spinBox->setObjectName(spinBoxName);
    row.slider->setRange(0, maximum);
    row.spinBox->setRange(0, maximum);
    connect(row.slider, &QSlider::valueChanged, row.spinBox, &QSpinBox::setValue);
    connect(row.spinBox, QOverload<int>::of(&QSpinBox::valueChanged), row.slider,
            &QSlider::setValue);
    return row;
}

QComboBox* VideoISPConfigWidget::makeModeCombo(const char* objectName) {
    auto* combo = new QComboBox;
    combo->setObjectName(objectName);
    combo->addItems({tr("禁用"), tr("自动"), tr("手动")});
    return combo;
}

QWidget* VideoISPConfigWidget::buildCaptureGroup() {
    auto* group = new QGroupBox(tr("视频采集设置"), this);
    group->setObjectName("groupBox_8");
    struct RowNames {
        const char* label;
        const char* text;
        const char* slider;
        const char* spinBox;
    };
    const RowNames rows[] = {
        {"label_4", QT_TRANSLATE_NOOP("VideoISPConfigWidget", "亮  度(0-100)"),
         "horizontalSlider_4", "spbBrightness"},
        {"label_5", QT_TRANSLATE_NOOP("VideoISPConfigWidget", "对比度(0-100)"),
         "horizontalSlider_5", "spbContrast"},
        {"label_12", QT_TRANSLATE_NOOP("VideoISPConfigWidget", "饱和度(0-100)"),
         "horizontalSlider_12", "spbSaturation"},
        {"label_7", QT_TRANSLATE_NOOP("VideoISPConfigWidget", "背  光(0-100)"),
         "horizontalSlider_7", "spbBacklight"},
        {"label_6", QT_TRANSLATE_NOOP("VideoISPConfigWidget", "锐  度(0-100)"),
         "horizontalSlider_6", "spbSharpness"},
    };
    auto* levels = new QGridLayout;
    int line = 0;
    for (const RowNames& names : rows) {
        const LevelRow row =
            makeLevelRow(names.label, tr(names.text), names.slider, names.spinBox, 100, group);
        levels->addWidget(row.label, line, 0);
        levels->addWidget(row.slider, line, 1);
        levels->addWidget(row.spinBox, line, 2);
        ++line;
    }

    cbxVideoStandard = new QComboBox;
    cbxVideoStandard->setObjectName("cbxVideoStandard");
    auto* scene = new QComboBox;
    scene->setObjectName("ComboBox_16");
    scene->addItems({tr("自动"), tr("室内"), tr("室外")});
    auto* choices = new QFormLayout;
    choices->addRow(tr("视频制式"), cbxVideoStandard);
    choices->addRow(tr("水平翻转"), namedCheckBox("ckbHFlip"));
    choices->addRow(tr("垂直翻转"), namedCheckBox("ckbVFlip"));
    choices->addRow(tr("防止过曝"), namedCheckBox("ckbPreventExposure"));
    choices->addRow(tr("场景模式"), scene);

    auto* layout = new QVBoxLayout(group);
    layout->addLayout(levels);
    layout->addLayout(choices);
    return group;
}

QWidget* VideoISPConfigWidget::buildAdvancedGroup() {
    auto* group = new QGroupBox(tr("高级参数"), this);
    group->setObjectName("groupBox_10");
    auto* levels = new QGridLayout;
    const LevelRow aeStep = makeLevelRow("label_2", tr("AE灵敏度(0-255)"), "horizontalSlider_2",
                                         "spbAEStep", 255, group);
    const LevelRow aeTolerance = makeLevelRow("label_3", tr("AE容忍度(0-255)"),
                                              "horizontalSlider_3", "spbAETolerance", 255, group);
    int line = 0;
    for (const LevelRow& row : {aeStep, aeTolerance}) {
        levels->addWidget(row.label, line, 0);
        levels->addWidget(row.slider, line, 1);
        levels->addWidget(row.spinBox, line, 2);
        ++line;
    }

    // The strength rows: a label, and a container holding the slider and its spin box.
    auto strengthRow = [this, group](const char* labelName, const QString& text,
                                     const char* containerName, const char* sliderName,
                                     const char* spinBoxName, LevelRow& row) {
        auto* container = new QWidget(group);
        container->setObjectName(containerName);
        row = makeLevelRow(labelName, text, sliderName, spinBoxName, 255, container);
        auto* layout = new QHBoxLayout(container);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(row.slider);
        layout->addWidget(row.spinBox);
        return container;
    };
    cbxAdvancedAttrImageWdr = makeModeCombo("cbxAdvancedAttrImageWdr");
    threeDimDenoiseComboBox = makeModeCombo("threeDimDenoiseComboBox");
    QWidget* wdrStrength = strengthRow("imageWdrLabel", tr("宽动态增强"), "Widget",
                                       "imageWdrSlider", "imageWdrSpinBox", imageWdrRow);
    QWidget* denoiseStrength =
        strengthRow("threeDimDenoiseLabel", tr("3D降噪增强"), "widget3DWidget",
                    "threeDimDenoiseSlider", "threeDimDenoiseSpinBox", threeDimDenoiseRow);
    auto* denoiseLabel = new QLabel(tr("3D降噪"), group);
    denoiseLabel->setObjectName("label3DLabel");

    auto* choices = new QFormLayout;
    choices->addRow(tr("曝光模式"), disabledEmptyCombo("cbxExposureMode"));
    choices->addRow(tr("白平衡"), disabledEmptyCombo("ComboBox_10"));
    choices->addRow(tr("宽动态"), cbxAdvancedAttrImageWdr);
    choices->addRow(imageWdrRow.label, wdrStrength);
    choices->addRow(tr("镜头畸变"), disabledEmptyCombo("ComboBox_12"));
    choices->addRow(tr("透雾模式"), disabledEmptyCombo("ComboBox_13"));
    choices->addRow(denoiseLabel, threeDimDenoiseComboBox);
    choices->addRow(threeDimDenoiseRow.label, denoiseStrength);

    auto* layout = new QVBoxLayout(group);
    layout->addLayout(levels);
    layout->addLayout(choices);
    return group;
}

QWidget* VideoISPConfigWidget::buildButtonBar() {
    auto* bar = new QFrame(this);
    bar->setObjectName("frame_5");
    resetPushButton = new QPushButton(tr("默认参数"), bar);
    resetPushButton->setObjectName("resetPushButton");
    savePushButton = new QPushButton(tr("保存"), bar);
    savePushButton->setObjectName("savePushButton");
    auto* layout = new QHBoxLayout(bar);
    layout->addWidget(resetPushButton);
    layout->addWidget(savePushButton);
    layout->addSpacerItem(new QSpacerItem(214, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    return bar;
}

QSpinBox* VideoISPConfigWidget::spinBox(const char* objectName) const {
    return findChild<QSpinBox*>(objectName);
}

QCheckBox* VideoISPConfigWidget::checkBox(const char* objectName) const {
    return findChild<QCheckBox*>(objectName);
}

void VideoISPConfigWidget::load() {
    saveRule->load([this] { return readSettings(); });
}

bool VideoISPConfigWidget::readSettings() {
    Record* record = sdk ? sdk->videoCaptureConfig(false) : nullptr;
    if (record == nullptr) {
        return false;
    }
    for (const LevelField& field : kLevelFields) {
        QSpinBox* box = spinBox(field.spinBoxName);
        box->setValue((record->*field.slot).value);
        controlGroup->assignSpinBox(box, (record->*field.slot).defaultValue);
    }

    cbxVideoStandard->clear();
    cbxVideoStandard->addItem(tr("PAL"), kPal);
    cbxVideoStandard->addItem(tr("NTSC"), kNtsc);
    // A field rate other than 50 or 60 shows no standard rather than a wrong one.
    cbxVideoStandard->setCurrentIndex(cbxVideoStandard->findData(record->videoStandard.value));
    controlGroup->assignComboBox(cbxVideoStandard,
                                 cbxVideoStandard->findData(record->videoStandard.defaultValue));

    for (const SwitchField& field : kSwitchFields) {
        QCheckBox* box = checkBox(field.checkBoxName);
        box->setChecked((record->*field.slot).value != 0);
        controlGroup->assignCheckBox(box, (record->*field.slot).defaultValue != 0);
    }

    cbxAdvancedAttrImageWdr->setCurrentIndex(modeIndex(*record, kWdr));
    controlGroup->assignComboBox(cbxAdvancedAttrImageWdr, ModeAuto);
    imageWdrRow.spinBox->setValue((record->*kWdr.strength).value);
    controlGroup->assignSpinBox(imageWdrRow.spinBox, (record->*kWdr.strength).defaultValue);

    threeDimDenoiseComboBox->setCurrentIndex(modeIndex(*record, kDenoise));
    controlGroup->assignComboBox(threeDimDenoiseComboBox, ModeAuto);
    threeDimDenoiseRow.spinBox->setValue((record->*kDenoise.strength).value);
    controlGroup->assignSpinBox(threeDimDenoiseRow.spinBox,
                                (record->*kDenoise.strength).defaultValue);

    play(frameVideoISP);
    return true;
}

void VideoISPConfigWidget::save() {
    Record* record = sdk ? sdk->videoCaptureConfig(false) : nullptr;
    if (record == nullptr) {
        return;
    }
    for (const LevelField& field : kLevelFields) {
        (record->*field.slot).value = spinBox(field.spinBoxName)->value();
    }
    // With no standard shown the camera keeps the one it has.
    if (cbxVideoStandard->currentIndex() >= 0) {
        record->videoStandard.value = cbxVideoStandard->currentData().toInt();
    }
    for (const SwitchField& field : kSwitchFields) {
        (record->*field.slot).value = checkBox(field.checkBoxName)->checkState() == Qt::Checked;
    }
    writeMode(*record, kWdr, cbxAdvancedAttrImageWdr->currentIndex(), imageWdrRow.spinBox->value());
    writeMode(*record, kDenoise, threeDimDenoiseComboBox->currentIndex(),
              threeDimDenoiseRow.spinBox->value());
    sdk->saveVideoCaptureConfig(this);
}

void VideoISPConfigWidget::onImageWdrIndexChanged(int index) {
    showStrengthRow(imageWdrRow, index == ModeManual);
}

void VideoISPConfigWidget::on3DDenoiseIndexChanged(int index) {
    showStrengthRow(threeDimDenoiseRow, index == ModeManual);
}

void VideoISPConfigWidget::showStrengthRow(const LevelRow& row, bool shown) {
    row.label->setVisible(shown);
    row.slider->setVisible(shown);
    row.spinBox->setVisible(shown);
}
