#include "Settings.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QtGlobal>

#include "ItemRecords.h"

namespace {
const char kLanguageKey[] = "Ui/Language";
const char kShowGridKey[] = "Ui/ShowGrid";
const char kMostRecentFileKey[] = "Ui/MostRecentFile";
const char kPageSizeKey[] = "Printer/PageSizeMM";
const char kPrintDPIKey[] = "Printer/PrintDPI";
const char kGeometryKey[] = "geometry";
const char kWindowStateKey[] = "windowState";

// 4 x 4 inches, the label stock the printers are delivered with.
const QSizeF kDefaultPageSizeMM(101.6, 101.6);
const int kDefaultPrintDPI = 300;

// An item may cover the largest page in points.
static_assert(RecordLimits::kMaxItemSize >= Settings::kMaxPageSideMM / 25.4 * 72,
              "items cannot reach across the largest page");
}  // namespace

Settings& Settings::instance() {
    static Settings settings;
    return settings;
}

void Settings::setApplicationIdentity() {
    QCoreApplication::setOrganizationName("Korvel");
    QCoreApplication::setApplicationName("Sabbeth");
    QCoreApplication::setApplicationVersion("1.0.1.2");
}

Settings::Settings() {
    setApplicationIdentity();
    store = std::make_unique<QSettings>();
}

QLocale Settings::language() const {
    return store->value(kLanguageKey, QLocale(QLocale::Chinese)).toLocale();
}

bool Settings::showGrid() const {
    return store->value(kShowGridKey, true).toBool();
}

void Settings::setShowGrid(bool show) {
    store->setValue(kShowGridKey, show);
}

QString Settings::mostRecentFile() const {
    return store->value(kMostRecentFileKey).toString();
}

void Settings::setMostRecentFile(const QString& path) {
    store->setValue(kMostRecentFileKey, path);
}

QSizeF Settings::pageSizeMM() const {
    const QSizeF size = store->value(kPageSizeKey, kDefaultPageSizeMM).toSizeF();
    return isValidPageSizeMM(size) ? size : kDefaultPageSizeMM;
}

bool Settings::isValidPageSizeMM(const QSizeF& size) {
    const auto validSide = [](double side) {
        return side >= kMinPageSideMM && side <= kMaxPageSideMM;  // false for NaN too
    };
    return validSide(size.width()) && validSide(size.height());
}

void Settings::setPageSizeMM(const QSizeF& size) {
    store->setValue(kPageSizeKey, size);
}

int Settings::printDPI() const {
    bool ok = false;
    const int dpi = store->value(kPrintDPIKey, kDefaultPrintDPI).toInt(&ok);
    return ok ? qBound(kMinPrintDPI, dpi, kMaxPrintDPI) : kDefaultPrintDPI;
}

void Settings::setPrintDPI(int dpi) {
    store->setValue(kPrintDPIKey, dpi);
}

void Settings::restoreWindow(QMainWindow* window) {
    store->beginGroup(window->objectName());
    window->restoreGeometry(store->value(kGeometryKey).toByteArray());
    window->restoreState(store->value(kWindowStateKey).toByteArray());
    store->endGroup();
}

void Settings::saveWindow(QMainWindow* window) {
    store->beginGroup(window->objectName());
    store->setValue(kGeometryKey, window->saveGeometry());
    store->setValue(kWindowStateKey, window->saveState());
    store->endGroup();
}
