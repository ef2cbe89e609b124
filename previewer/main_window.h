// The previewer's window: always on top, titled with the program's version and the
// opened camera, holding one video pane as its central widget.
#pragma once

#include <QList>
#include <QMainWindow>
#include <QPointer>

class VisualizerUnit;

namespace Ui {
class MainWindow;
}

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Makes a new video pane the central widget and returns it.
    VisualizerUnit* createVisualizerUnit();

public slots:
    // Called by the pane (queued, by name) once it has opened a camera.
    void updateWindowTitle(QString unit);

protected:
    // A double-click that no child takes, the picture's included, toggles full screen.
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    Ui::MainWindow* ui_;
    QList<QPointer<VisualizerUnit>> units_;
};
