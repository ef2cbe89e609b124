#include "visualizer_unit.h"

#include <QAction>
#include <QBitmap>
#include <QDebug>
#include <QHBoxLayout>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaObject>
#include <QQuickItem>
#include <QQuickWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "net_sdk_instance.h"
#include "stream_player.h"
#include "video_renderer.h"
#include "wait_for.h"

// The panel's QML and pictures live in this library's resources, which a static library
// must register itself.
static void registerPanelResources() {
    Q_INIT_RESOURCE(qml);
}

namespace {

// The panel's background, whose opaque pixels are the panel's shape.
const char* const kPanelPicture = ":/images/ptz_normal.png";

// Product-test commands of the PTZ panel.
constexpr int kPresetListCommand = 83;
constexpr int kPresetCommand = 84;

// A preset command that changes the camera's list (the panel has changed its copy).
bool changesPresetList(const QString& value) {
    const QString operate =
        QJsonDocument::fromJson(value.toUtf8()).object().value("operate").toString();
    return operate == "set" || operate == "clear";
}

}  // namespace

VisualizerUnit::VisualizerUnit(QWidget* parent) : QWidget(parent) {
    static const bool registered = (registerPanelResources(), true);
    Q_UNUSED(registered);
    createActions();
    createLayout();
    createConnections();
}

VisualizerUnit::~VisualizerUnit() {
    // The player stops its stream before the renderer it draws into goes.
    player_.reset();
}

void VisualizerUnit::createActions() {
    ptzAction_ = new QAction(tr("PTZ Control"), this);
    ptzAction_->setToolTip(tr("PTZ Control"));
    ptzAction_->setObjectName("actionPtzControl");
    setContextMenuPolicy(Qt::ActionsContextMenu);
    hdAction_ = new QAction(tr("High Definition"), this);
    hdAction_->setObjectName("actionHighDefinition");
    muteAction_ = new QAction(tr("Mute"), this);
    muteAction_->setObjectName("actionMute");
    aspectAction_ = new QAction(tr("Keep Aspect Ratio"), this);
    aspectAction_->setObjectName("actionKeepAspectRatio");
    addActions({ptzAction_, hdAction_, muteAction_, aspectAction_});
    for (QAction* action : actions()) {
        action->setEnabled(false);
        action->setCheckable(true);
    }
}

void VisualizerUnit::createLayout() {
    renderer_ = new VideoRenderer(this);
    renderer_->setObjectName("videoRenderer");
    panelButton_ = new QToolButton(renderer_);
    panelButton_->setObjectName("ptzButton");
    panelButton_->setDefaultAction(ptzAction_);
    panelButton_->setFixedSize(24, 96);
    panelButton_->setStyleSheet("color: rgb(55, 125, 34); background-color: rgb(54, 51, 48);");

    // The picture is a native window, which covers whatever widgets lie over it: the panel
    // and its button are native windows above it. A QQuickWidget cannot be one itself, so a
    // plain native widget holds the panel, shaped like the panel's picture so that the video
    // shows around its rounded edges.
    panelHost_ = new QWidget(renderer_);
    panelHost_->setObjectName("ptzPanelHost");
    panel_ = new QQuickWidget(QUrl("qrc:/main.qml"), panelHost_);
    panel_->setObjectName("ptzPanel");
    panel_->setAttribute(Qt::WA_AlwaysStackOnTop);
    panel_->setClearColor(Qt::transparent);
    auto* hostLayout = new QVBoxLayout(panelHost_);
    hostLayout->setContentsMargins(0, 0, 0, 0);
    hostLayout->addWidget(panel_);
    panelHost_->setMask(QBitmap::fromImage(QImage(kPanelPicture).createAlphaMask()));
    for (QWidget* overlay : {panelHost_.data(), static_cast<QWidget*>(panelButton_)}) {
        overlay->setAttribute(Qt::WA_DontCreateNativeAncestors);
        overlay->setAttribute(Qt::WA_NativeWindow);
    }

    auto* column = new QVBoxLayout;
    column->addStretch();
    column->addWidget(panelHost_);
    column->addStretch();
    auto* overlay = new QHBoxLayout(renderer_);
    overlay->setContentsMargins(0, 0, 0, 0);
    overlay->setSpacing(0);
    overlay->addStretch();
    overlay->addLayout(column);
    overlay->addWidget(panelButton_);

    panel_->hide();
    panelHost_->hide();
    panelButton_->setArrowType(Qt::LeftArrow);
    panelButton_->show();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(renderer_);
}

void VisualizerUnit::createConnections() {
    connect(ptzAction_, &QAction::toggled, this, &VisualizerUnit::showOrHideExtra);
    connect(hdAction_, &QAction::toggled, this, &VisualizerUnit::onHDStream);
    connect(muteAction_, &QAction::toggled, this, &VisualizerUnit::onMute);
    connect(aspectAction_, &QAction::toggled, this, &VisualizerUnit::onAspectRatio);
    connect(NetSDKInstance::instance(), &NetSDKInstance::testResult, this, &VisualizerUnit::onTest);
    if (QQuickItem* root = panelRoot()) {
        connect(root, SIGNAL(sendMessage(int, QVariant)), this, SLOT(onSendMessage(int, QVariant)));
        connect(root, SIGNAL(hidePanel()), ptzAction_, SLOT(toggle()));
    } else {
        qWarning() << "PTZ panel failed to load:" << panel_->errors();
    }
}

QQuickItem* VisualizerUnit::panelRoot() const {
    return panel_ ? panel_->rootObject() : nullptr;
}

void VisualizerUnit::open(const DeviceParams& p) {
    if (p.ip.isNull()) {
        return;
    }
    auto player = std::make_unique<StreamPlayer>(p);
    // The old player stops its stream and releases its login, sound device and decoder
    // before the new one starts.
    player_ = std::move(player);
    player_->addRenderer(renderer_);
    player_->play();
    QMetaObject::invokeMethod(parent(), "updateWindowTitle", Qt::QueuedConnection,
                              Q_ARG(QString, p.ip.toString()));
    for (QAction* action : actions()) {
        action->setEnabled(true);
    }
    hdAction_->setChecked(p.stream == 0);
    muteAction_->setChecked(player_->isMuted());
    aspectAction_->setChecked(renderer_->keepAspectRatio());
    requestPresetList();
}

void VisualizerUnit::requestPresetList() {
    if (!player_) {
        return;
    }
    WaitFor wait(this);
    qDebug() << "Receive message from QML" << kPresetListCommand << QVariant(QString());
    NetSDKInstance::instance()->productTest(player_->deviceParams(), kPresetListCommand, QString());
}

void VisualizerUnit::onTest(int id, int code, QString json) {
    if (code != 0) {
        commandRefused_ = true;
        return;
    }
    if (id != kPresetListCommand) {
        return;
    }
    const QJsonDocument document = QJsonDocument::fromJson(json.toUtf8());
    if (document.isNull()) {
        return;
    }
    const QVariantMap answer = document.toVariant().toMap();
    if (answer.isEmpty()) {
        return;
    }
    const QVariantList list = answer.value("list").toList();
    if (QQuickItem* root = panelRoot()) {
        QMetaObject::invokeMethod(root, "setPresetList", Q_ARG(QVariant, QVariant(list)));
    }
}

void VisualizerUnit::onSendMessage(int id, QVariant value) {
    qDebug() << "Receive message from QML" << id << value;
    if (!player_) {
        return;
    }
    commandRefused_ = false;
    const QString text = value.toString();
    NetSDKInstance::instance()->productTest(player_->deviceParams(), id, text);
    // The panel changed its list before sending; when the camera refused, show the
    // camera's own list again.
    if (id == kPresetCommand && commandRefused_ && changesPresetList(text)) {
        requestPresetList();
    }
}

void VisualizerUnit::onHDStream(bool hd) {
    if (!player_) {
        return;
    }
    DeviceParams p = player_->deviceParams();
    const int wanted = hd ? 0 : 1;
    if (wanted != p.stream) {
        p.stream = wanted;
        open(p);
    }
}

void VisualizerUnit::onMute(bool mute) {
    if (player_) {
        player_->setMuted(mute);
    }
}

void VisualizerUnit::onAspectRatio(bool on) {
    if (renderer_) {
        renderer_->setKeepAspectRatio(on);
    }
}

void VisualizerUnit::showOrHideExtra(bool on) {
    panel_->setVisible(on);
    // Shown empty, the host's window would still cover the picture.
    panelHost_->setVisible(on);
    panelButton_->setArrowType(on ? Qt::RightArrow : Qt::LeftArrow);
    panelButton_->setVisible(!on);
}

void VisualizerUnit::enterEvent(QEvent* event) {
    if (panelButton_ && panel_ && panel_->isHidden()) {
        panelButton_->show();
    }
    QWidget::enterEvent(event);
}

void VisualizerUnit::leaveEvent(QEvent* event) {
    if (panelButton_) {
        panelButton_->hide();
    }
    QWidget::leaveEvent(event);
}
