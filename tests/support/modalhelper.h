// Answers a modal dialog that the code under test is about to open and run: the next
// modal widget of type T that shows gets action, from inside the dialog's own event loop.
//
//   answerNextModal<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
//   converter.decode();  // opens the question, which the helper answers
//
// The returned handle tells whether the helper ran and what the dialog said; the helper
// gives up after timeoutMs, or when the handle goes.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

struct ModalAnswer {
    ~ModalAnswer() { delete watcher; }

    bool answered = false;
    QString title;  // the dialog's window title, for checks
    QString text;   // a message box's text
    QPointer<QTimer> watcher;
};

template <typename T>
std::shared_ptr<ModalAnswer> answerNextModal(std::function<void(T*)> action, int timeoutMs = 5000) {
    auto answer = std::make_shared<ModalAnswer>();
    auto* timer = new QTimer(qApp);
    answer->watcher = timer;
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    std::weak_ptr<ModalAnswer> handle = answer;
    QObject::connect(timer, &QTimer::timeout, [=] {
        T* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        const auto owner = handle.lock();
        if (owner && dialog != nullptr && dialog->isVisible()) {
            timer->stop();
            timer->deleteLater();
            owner->answered = true;
            owner->title = dialog->windowTitle();
            owner->text = dialog->property("text").toString();
            action(dialog);
        } else if (!owner || clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(5);
    return answer;
}
