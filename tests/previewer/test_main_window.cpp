// The window and the video pane before any camera is opened (Xvfb: the pane draws with
// OpenGL and Qt Quick).
#include <QAction>
#include <QQuickItem>
#include <QQuickWidget>
#include <QToolButton>
#include <QtTest>

#include "main_window.h"
#include "video_renderer.h"
#include "visualizer_unit.h"

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
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
