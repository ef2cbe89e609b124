#include "JT808Widget.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QVBoxLayout>
#include <vector>

#include "combo_value.h"
#include "ipaddress.h"
#include "record_writes.h"
#include "save_after_read.h"
#include "zrsdk_instance.h"

namespace {

constexpr int kPlateNumberMaxLength = 10;

struct PlateColor {
    int code;
    QString text;
};

// The plate colours of the JT/T 808 standard, in the order the combo lists them.
const std::vector<PlateColor>& plateColors() {
    static const std::vector<PlateColor> colors = [] {
        const std::pair<int, const char*> names[] = {
            {1, QT_TRANSLATE_NOOP("JT808Widget", "蓝牌")},
            {2, QT_TRANSLATE_NOOP("JT808Widget", "黄牌")},
            {3, QT_TRANSLATE_NOOP("JT808Widget", "黑牌")},
            {4, QT_TRANSLATE_NOOP("JT808Widget", "白牌")},
            {5, QT_TRANSLATE_NOOP("JT808Widget", "绿牌")},
            {6, QT_TRANSLATE_NOOP("JT808Widget", "黄绿牌")},
            {8, QT_TRANSLATE_NOOP("JT808Widget", "农黄牌")},
            {92, QT_TRANSLATE_NOOP("JT808Widget", "农绿牌")},
            {94, QT_TRANSLATE_NOOP("JT808Widget", "渐变绿牌")},
            {9, QT_TRANSLATE_NOOP("JT808Widget", "其他")},
        };
        std::vector<PlateColor> list;
        for (const auto& [code, name] : names) {
            list.push_back({code, JT808Widget::tr(name) + "\t【" + QString::number(code) + "】"});
        }
        return list;
    }();
    return colors;
}

bool isDottedQuad(const QString& text) {
    static const QRegularExpression pattern(QRegularExpression::anchoredPattern(
        R"(((2[0-4]\d|25[0-5]|[01]?\d\d?)\.){3}(2[0-4]\d|25[0-5]|[01]?\d\d?))"));
    return pattern.match(text).hasMatch();
}

// The address editor holds "", or only dots once its boxes have been emptied.
bool nothingTyped(const QString& text) {
    return QString(text).remove('.').isEmpty();
}

QLabel* namedLabel(const char* objectName, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(objectName);
    return label;
}

QSpinBox* namedSpinBox(const char* objectName, int minimum, int maximum) {
    auto* spinBox = new QSpinBox;
    spinBox->setObjectName(objectName);
    spinBox->setRange(minimum, maximum);
    return spinBox;
}

QLineEdit* namedLineEdit(const char* objectName) {
    auto* lineEdit = new QLineEdit;
    lineEdit->setObjectName(objectName);
    return lineEdit;
}

}  // namespace

JT808Widget::JT808Widget(ZRSDKInstance* session, QWidget* parent)
    : QWidget(parent), session(session) {
    buildForm();
    fillPlateColors();
    connect(savePushButton, &QPushButton::clicked, this, &JT808Widget::save);
    saveRule = new SaveAfterRead({savePushButton});
    QMetaObject::invokeMethod(this, "load", Qt::QueuedConnection);
}

void JT808Widget::buildForm() {
    setObjectName("JT808Widget");
    setWindowTitle(tr("JT808Widget"));
    resize(545, 423);

    jt808GroupBox = new QGroupBox(tr("JT808"), this);
    jt808GroupBox->setObjectName("jt808GroupBox");
    jt808GroupBox->setCheckable(true);
    jt808GroupBox->setChecked(false);

    serverHostWidget = new IPAddress(jt808GroupBox);
    serverHostWidget->setObjectName("serverHostWidget");
    serverPortSpinBox = namedSpinBox("serverPortSpinBox", 1, 65535);
    plateNumberLineEdit = namedLineEdit("plateNumberLineEdit");
    plateNumberLineEdit->setMaxLength(kPlateNumberMaxLength);
    plateColorComboBox = new QComboBox;
    plateColorComboBox->setObjectName("plateColorComboBox");
    terminalIdLineEdit = namedLineEdit("terminalIdLineEdit");
    terminalModelLineEdit = namedLineEdit("terminalModelLineEdit");
    manufacturerIdLineEdit = namedLineEdit("manufacturerIdLineEdit");
    provinceIdSpinBox = namedSpinBox("provinceIdSpinBox", 0, 65535);
    cityIdSpinBox = namedSpinBox("cityIdSpinBox", 0, 65535);

    auto* rows = new QFormLayout(jt808GroupBox);
    rows->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    rows->addRow(namedLabel("serverHostLabel", tr("服务器地址")), serverHostWidget);
    rows->addRow(namedLabel("serverPortLabel", tr("服务器端口")), serverPortSpinBox);
    rows->addRow(namedLabel("Label", tr("车牌号")), plateNumberLineEdit);
    rows->addRow(namedLabel("plateColorLabel", tr("车牌颜色")), plateColorComboBox);
    rows->addRow(namedLabel("terminalIdLabel", tr("终端ID")), terminalIdLineEdit);
    rows->addRow(namedLabel("terminalModelLabel", tr("终端型号")), terminalModelLineEdit);
    rows->addRow(namedLabel("manufacturerIdLabel", tr("厂商ID")), manufacturerIdLineEdit);
    rows->addRow(namedLabel("provinceIdLabel", tr("省域ID(0-65535)")), provinceIdSpinBox);
    rows->addRow(namedLabel("cityIdLabel", tr("市域ID(0-65535)")), cityIdSpinBox);

    savePushButton = new QPushButton(tr("保存"), this);
    savePushButton->setObjectName("savePushButton");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(savePushButton);
    buttons->addStretch();

    auto* page = new QVBoxLayout(this);
    page->addWidget(jt808GroupBox);
    page->addLayout(buttons);
    page->addStretch();
}

void JT808Widget::fillPlateColors() {
    for (const PlateColor& color : plateColors()) {
        plateColorComboBox->addItem(color.text, color.code);
    }
}

void JT808Widget::load() {
    saveRule->load([this] { return readSettings(); });
}

bool JT808Widget::readSettings() {
    const QJsonDocument reply = session ? session->jt808Config() : QJsonDocument();
    if (reply.isEmpty()) {
        return false;
    }
    const QVariantMap values = reply.object().toVariantMap();
    loadedServerHost = values.value("server_host").toString();
    jt808GroupBox->setChecked(values.value("enabled").toBool());
    serverHostWidget->setIP(loadedServerHost);
    serverPortSpinBox->setValue(values.value("server_port").toInt());
    plateNumberLineEdit->setText(values.value("plate_number").toString());
    // The camera sends the code as a number or as text, which both find the code's item; a
    // code outside the table is shown and sent back as it came.
    showComboValue(plateColorComboBox, values.value("plate_color"));
    terminalIdLineEdit->setText(values.value("terminal_id").toString());
    terminalModelLineEdit->setText(values.value("terminal_model").toString());
    manufacturerIdLineEdit->setText(values.value("manufacturer_id").toString());
    provinceIdSpinBox->setValue(values.value("province_id").toInt());
    cityIdSpinBox->setValue(values.value("city_id").toInt());
    return true;
}

QVariant JT808Widget::serverHostToSend() const {
    const QString typed = serverHostWidget->getIP();
    if (isDottedQuad(typed)) {
        return typed;
    }
    // Empty boxes after an address that they showed were emptied by the user: send that.
    // A host name from the camera cannot be shown in the boxes: keep it as it was.
    if (nothingTyped(typed)) {
        return isDottedQuad(loadedServerHost) ? QString() : loadedServerHost;
    }
    return QVariant();
}

void JT808Widget::save() {
    if (!session) {
        return;
    }
    const QVariant serverHost = serverHostToSend();
    if (!serverHost.isValid()) {
        QMessageBox::warning(this, tr("JT808设置"), tr("服务器地址无效，请输入完整的IP地址"));
        return;
    }
    const QVariantMap values = {
        {"enabled", jt808GroupBox->isChecked()},
        {"server_host", serverHost},
        {"server_port", serverPortSpinBox->value()},
        {"plate_number", plateNumberLineEdit->text()},
        {"plate_color", plateColorComboBox->currentData()},
        {"terminal_id", terminalIdLineEdit->text()},
        {"terminal_model", terminalModelLineEdit->text()},
        {"manufacturer_id", manufacturerIdLineEdit->text()},
        {"province_id", provinceIdSpinBox->value()},
        {"city_id", cityIdSpinBox->value()},
    };
    RecordWrites writes(this);
    writes.write([&] { return session->setJt808Config(QJsonDocument::fromVariant(values)); },
                 "Save JT808 failed!");
    writes.waitApplied(tr("正在配置JT808参数，请等待IPC重启... "), saveWaitMs);
}
