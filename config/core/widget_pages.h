#pragma once

#include <QSharedPointer>
#include <QVector>
#include <functional>

class QStackedWidget;
class QWidget;
class ZRSDKInstance;

// Makes one widget page for the session, as a child of the dialog's page stack.
using WidgetPageFactory =
    std::function<QWidget*(const QSharedPointer<ZRSDKInstance>& session, QStackedWidget* stack)>;

// A tree title (untranslated) and the page class that it opens.
struct WidgetPageEntry {
    const char* title;
    WidgetPageFactory create;
};

// The widget pages of the configuration tree, in the order their titles are compared.
QVector<WidgetPageEntry> widgetPages();
