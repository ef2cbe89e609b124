#pragma once

#include <QLocale>
#include <QSettings>
#include <QSizeF>
#include <QString>
#include <memory>

class QMainWindow;

// The designer's one settings store (organisation "Korvel", application "Sabbeth"), with typed
// accessors for every key it reads or writes.
class Settings {
public:
    static Settings& instance();

    // Sets the organisation, application name and version. Start-up calls it right after the
    // application object exists, so that --version and the settings path already see them.
    static void setApplicationIdentity();

    QLocale language() const;
    bool showGrid() const;
    void setShowGrid(bool show);
    // Empty for a document that was never saved.
    QString mostRecentFile() const;
    void setMostRecentFile(const QString& path);
    QSizeF pageSizeMM() const;
    void setPageSizeMM(const QSizeF& size);
    int printDPI() const;
    void setPrintDPI(int dpi);
    void restoreWindow(QMainWindow* window);
    void saveWindow(QMainWindow* window);

    // Resolutions the page dialog offers; a stored value outside them is brought back into range,
    // because it sizes the raster export's image.
    static constexpr int kMinPrintDPI = 72;
    static constexpr int kMaxPrintDPI = 4000;

    // Pages the printer and the editor can take: each side from 1 mm (a page rounds to whole
    // points) up to 500 mm, well beyond any label stock.
    static constexpr double kMinPageSideMM = 1.0;
    static constexpr double kMaxPageSideMM = 500.0;
    static bool isValidPageSizeMM(const QSizeF& size);

private:
    Settings();
    // Opened once the application identity is set, so it lives under the designer's names.
    std::unique_ptr<QSettings> store;
};
