#include "main_window.h"

#include <QCoreApplication>

#include "ui_main_window.h"
#include "visualizer_unit.h"

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), ui_(new Ui::MainWindow) {
    ui_->setupUi(this);
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    updateWindowTitle(tr("None"));
}

MainWindow::~MainWindow() {
    delete ui_;
}

VisualizerUnit* MainWindow::createVisualizerUnit() {
    auto* unit = new VisualizerUnit(this);
    unit->setObjectName("visualizerUnit");
    units_.append(unit);
    setCentralWidget(unit);
    return unit;
}

void MainWindow::updateWindowTitle(QString unit) {
    const QString program =
        QString("%1 - V%2").arg(tr("Quorlin"), QCoreApplication::applicationVersion());
    setWindowTitle(QString("%1 (%2)").arg(program, unit));
}

void MainWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    setWindowState(windowState() ^ Qt::WindowFullScreen);
    QMainWindow::mouseDoubleClickEvent(event);
}
