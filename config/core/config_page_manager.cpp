#include "config_page_manager.h"

#include <QCoreApplication>
#include <QDebug>

#include "zrsdk_instance.h"

ConfigPageManager::ConfigPageManager(const QSharedPointer<ZRSDKInstance>& session,
                                     QStackedWidget* stack, QVector<WidgetPageEntry> pages)
    : session(session), stack(stack), factories(std::move(pages)) {}

QWidget* ConfigPageManager::createPage(const QString& title) {
    const QSharedPointer<ZRSDKInstance> strong = session.toStrongRef();
    if (!strong) {
        return nullptr;
    }
    for (const WidgetPageEntry& entry : factories) {
        // The tree's texts are translated in the dialog's context; compare alike.
        if (title == QCoreApplication::translate("RemoteConfigDialog", entry.title)) {
            if (entry.create) {
                return entry.create(strong, stack.data());
            }
            break;
        }
    }
    qDebug("%s 没有对应页面 ", title.toLocal8Bit().constData());
    return nullptr;
}

void ConfigPageManager::showPage(const QString& title) {
    if (!pages.contains(title)) {
        QWidget* page = createPage(title);
        if (page == nullptr) {
            return;
        }
        if (stack) {
            stack->addWidget(page);
        }
        pages.insert(title, page);
    }
    if (stack) {
        stack->setCurrentWidget(pages.value(title));
    }
}
