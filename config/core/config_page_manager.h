#pragma once

#include <QMap>
#include <QPointer>
#include <QSharedPointer>
#include <QStackedWidget>
#include <QWeakPointer>

#include "widget_pages.h"

class ZRSDKInstance;

// Creates the widget pages of the configuration tree on first use, adds them to the
// dialog's page stack and shows them again on later clicks. It never keeps the session
// alive (a weak reference) and never deletes a page (the stack owns them).
class ConfigPageManager {
public:
    ConfigPageManager(const QSharedPointer<ZRSDKInstance>& session, QStackedWidget* stack,
                      QVector<WidgetPageEntry> pages = widgetPages());

    // A new page for the tree title, or null for a title without one or a session gone.
    QWidget* createPage(const QString& title);
    // Shows the page of the title, creating it on first use; an unknown title changes nothing.
    void showPage(const QString& title);

private:
    QWeakPointer<ZRSDKInstance> session;
    QPointer<QStackedWidget> stack;
    QMap<QString, QPointer<QWidget>> pages;
    QVector<WidgetPageEntry> factories;
};
