// The window and the video pane before any camera is opened (Xvfb: the pane draws with
// OpenGL and Qt Quick).
#include <QAction>
#include <QQuickItem>
#include <QQuickWidget>
#include <QToolButton>
#include <QtTest>

#include <vector>

#include "main_window.h"
#include "video_renderer.h"
#include "visualizer_unit.h"
#include "x_screen.h"

namespace {

// A small red picture, owning its planes: no widget's colour.
struct RedPicture {
    static constexpr int kWidth = 64;
    static constexpr int kHeight = 36;
    std::vector<uint8_t> luma = std::vector<uint8_t>(kWidth * kHeight, 81);
    std::vector<uint8_t> blueDifference = std::vector<uint8_t>(kWidth * kHeight / 4, 90);
    std::vector<uint8_t> redDifference = std::vector<uint8_t>(kWidth * kHeight / 4, 240);
    DecodedFrame frame{};

    RedPicture() {
        frame.kind = SDR_FRAME_VIDEO;
        frame.width = kWidth;
        frame.height = kHeight;
        const uint8_t* planes[3] = {luma.data(), blueDifference.data(), redDifference.data()};
        for (int i = 0; i < 3; ++i) {
            frame.plane[i] = planes[i];
            frame.lineSize[i] = i == 0 ? kWidth : kWidth / 2;
        }
    }
};

bool isRed(QColor c) {
    return c.red() > 150 && c.green() < 80 && c.blue() < 80;
}

// The panel and its button are dark greys.
bool isDark(QColor c) {
    return c.isValid() && c.red() < 100 && c.green() < 100 && c.blue() < 100;
}

// A pane showing a red picture on the screen.
struct PlayingWindow {
    MainWindow window;
    VisualizerUnit* unit = window.createVisualizerUnit();
    VideoRenderer* renderer = unit->findChild<VideoRenderer*>("videoRenderer");
    RedPicture red;

    bool show() {
        window.show();
        return QTest::qWaitForWindowExposed(&window) && renderer->setFrame(red.frame);
    }
    QColor screenAt(QWidget* widget, QPoint at) const {
        return x_screen::colourAt(widget->mapToGlobal(at));
    }
};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCoreApplication::setApplicationVersion("2.0.0.3"); }

    void startsEmptyAlwaysOnTopWithTheTitleOfNoCamera() {
        MainWindow window;
        window.createVisualizerUnit();
        QCOMPARE(window.size(), QSize(1280, 768));
        QCOMPARE(window.windowTitle(), QString("Quorlin - V2.0.0.3 (None)"));
        QVERIFY(window.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(window.centralWidget()->objectName(), QString("visualizerUnit"));
        window.updateWindowTitle("10.1.2.3");
        QCOMPARE(window.windowTitle(), QString("Quorlin - V2.0.0.3 (10.1.2.3)"));
    }

    void paneWithoutCameraOffersFourDisabledActions() {
        MainWindow window;
        VisualizerUnit* unit = window.createVisualizerUnit();
        QStringList names;
        for (QAction* action : unit->actions()) {
            names << action->objectName();
            QVERIFY(!action->isEnabled());
            QVERIFY(action->isCheckable());
        }
        QCOMPARE(names, (QStringList{"actionPtzControl", "actionHighDefinition", "actionMute",
                                     "actionKeepAspectRatio"}));
        QCOMPARE(unit->contextMenuPolicy(), Qt::ActionsContextMenu);
        // An address that is no address opens nothing.
        unit->open(DeviceParams());
        QVERIFY(unit->player() == nullptr);
        QVERIFY(!unit->actions().front()->isEnabled());
    }

    void panelButtonShowsOnHoverWhileThePanelIsClosed() {
        MainWindow window;
        VisualizerUnit* unit = window.createVisualizerUnit();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* panel = unit->findChild<QQuickWidget*>("ptzPanel");
        auto* button = unit->findChild<QToolButton*>("ptzButton");
        QVERIFY(panel->rootObject() != nullptr);
        QCOMPARE(panel->rootObject()->size(), QSizeF(360, 765));
        QVERIFY(panel->isHidden());

        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(unit, &leave);
        QVERIFY(button->isHidden());
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(unit, &enter);
        QVERIFY(!button->isHidden());
        QCOMPARE(button->arrowType(), Qt::LeftArrow);

        // The button, the context menu and the panel's close strip toggle one action.
        QAction* ptz = unit->findChild<QAction*>("actionPtzControl");
        ptz->setEnabled(true);
        button->click();
        QVERIFY(ptz->isChecked());
        QVERIFY(!panel->isHidden());
        QVERIFY(button->isHidden());
        QMetaObject::invokeMethod(panel->rootObject(), "hidePanel");
        QVERIFY(!ptz->isChecked());
        QVERIFY(panel->isHidden());
        QCoreApplication::sendEvent(unit, &enter);
        QVERIFY(!button->isHidden());
    }

    void doubleClickTogglesFullScreen() {
        MainWindow window;
        window.createVisualizerUnit();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* renderer = window.findChild<VideoRenderer*>("videoRenderer");
        QTest::mouseDClick(renderer, Qt::LeftButton);
        QVERIFY(window.windowState() & Qt::WindowFullScreen);
        QTest::mouseDClick(renderer, Qt::LeftButton);
        QVERIFY(!(window.windowState() & Qt::WindowFullScreen));
    }

    // The picture has a native window of its own: the panel's button and the panel must
    // show over it on the screen itself, and the picture around the panel's rounded edge.
    void panelAndButtonShowOverThePicture() {
        PlayingWindow pane;
        QVERIFY(pane.show());
        QTRY_VERIFY(isRed(pane.screenAt(pane.renderer, QPoint(10, 10))));
        auto* button = pane.unit->findChild<QToolButton*>("ptzButton");
        QTRY_VERIFY(isDark(pane.screenAt(button, QPoint(4, 8))));

        QAction* ptz = pane.unit->findChild<QAction*>("actionPtzControl");
        ptz->setEnabled(true);
        ptz->setChecked(true);
        auto* panel = pane.unit->findChild<QQuickWidget*>("ptzPanel");
        QTRY_VERIFY(isDark(pane.screenAt(panel, QPoint(200, 400))));
        // Left of the panel's edge, beside its close strip.
        QTRY_VERIFY(isRed(pane.screenAt(panel, QPoint(5, 100))));
    }

    // Clicks on the picture (context menu, double-click) go to the widgets, not to the
    // native window that shows the picture.
    void thePicturePassesClicksToTheWidgets() {
        PlayingWindow pane;
        QVERIFY(pane.show());
        QTRY_VERIFY(isRed(pane.screenAt(pane.renderer, QPoint(10, 10))));
        const QPoint middle = pane.renderer->mapToGlobal(pane.renderer->rect().center());
        QWidget* receiver = QWidget::find(x_screen::windowUnderPointer(middle));
        QVERIFY(receiver != nullptr);
        QVERIFY(receiver == pane.renderer || pane.renderer->isAncestorOf(receiver) ||
                receiver->isAncestorOf(pane.renderer));
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
