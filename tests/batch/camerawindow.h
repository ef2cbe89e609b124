// A Tarnwick main window of its own against simulated cameras in the test bed, for suites
// that share one window: camsim plays the cameras that the caller lists, the settings live
// in a fresh application folder with short searches, and the window's start-up search is
// queued. The window stays hidden: shown, it repaints the table after every camera found,
// inside the search, and under AddressSanitizer on a busy machine that took so long that a
// search of thirty cameras ended before it had listed half of them.
#pragma once

#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <string>

#include "appsettings.h"
#include "camsim_fixture.h"
#include "devicetablemodel.h"
#include "mainwindow.h"

class CameraWindow {
public:
    // cameras gives the members of camsim's camera list; it may ask the simulator for
    // addresses. Each search lasts searchSeconds.
    explicit CameraWindow(const std::function<std::string(const camsim::Simulator&)>& cameras,
                          int searchSeconds = 1)
        : sim(camsim::Where::CameraNetwork) {
        sim.start(R"({"cameras": [)" + cameras(sim) + "]}");
        settings = std::make_unique<AppSettings>(folder.path());
        QSettings().clear();
        settings->setSearchTimeout(searchSeconds);
        window = std::make_unique<MainWindow>(*settings);
    }

    // Searches again, as a user would, when the window is ready for it and a search has
    // listed some cameras but fewer than count: on a busy machine camsim may answer after a
    // search has ended, and the table lacks those cameras until the next one. For the waits
    // of a suite that needs every camera listed; the search runs before this returns.
    void searchAgainWhenShort(int count) const {
        auto* search = window->findChild<QPushButton*>("searchPushButton");
        const int listed = window->findChild<DeviceTableModel*>()->rowCount();
        if (listed > 0 && listed < count && search->isEnabled())
            search->click();
    }

    camsim::Simulator sim;
    QTemporaryDir folder;
    std::unique_ptr<AppSettings> settings;
    std::unique_ptr<MainWindow> window;
};
