// One camsim camera on loopback with a login and a session on it, for the page tests: the
// pages talk to it through the session, and the tests read back what it received. Also
// helpers that find the pages' children and answer the modal dialogs they open.
#pragma once

#include <QApplication>
#include <QHostAddress>
#include <QJsonDocument>
#include <QSharedPointer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "camsim_fixture.h"
#include "zrsdk_instance.h"

// The named child of parent, or its first child of type T when name is null; a missing
// child ends the test, since every check after it would only fail on a null pointer.
template <typename T>
T* requireChild(QObject* parent, const char* name = nullptr) {
    T* found = name != nullptr ? parent->findChild<T*>(name) : parent->findChild<T*>();
    if (found == nullptr) {
        qFatal("no %s", name != nullptr ? name : "child of the wanted type");
    }
    return found;
}

class PageCamera {
public:
    // extraMembers: more JSON members of the camera object (see camsim's modules).
    explicit PageCamera(const std::string& extraMembers = "") : sim_(camsim::Where::Loopback) {
        const std::string members =
            std::string(R"("password": "pw")") + (extraMembers.empty() ? "" : ", " + extraMembers);
        sim_.start(R"({"cameras": [)" + camsim::camera("CAM1", sim_.address(10), members) + "]}");
        login_ = NETSDK_Login(sim_.address(10).c_str(), 80, 1680, "admin", "pw", 0);
        if (login_ == nullptr) {
            throw std::runtime_error("no login on camsim:\n" + sim_.output());
        }
        session_ = QSharedPointer<ZRSDKInstance>::create(login_, &channel_, nullptr);
        session_->setHostAddress(QHostAddress(QString::fromStdString(sim_.address(10))));
        session_->setCredentials("admin", "pw");
    }
    ~PageCamera() {
        session_.reset();
        NETSDK_Logout(login_);  // also ends an alarm subscription
    }
    PageCamera(const PageCamera&) = delete;
    PageCamera& operator=(const PageCamera&) = delete;

    const QSharedPointer<ZRSDKInstance>& session() const { return session_; }
    void dropSession() { session_.reset(); }
    const camsim::Simulator& sim() const { return sim_; }

    // The bodies of the product-test requests of one command as sent, oldest first.
    std::vector<std::string> productBodies(int command) const {
        const QString target = QString("/NetSDK/System/ProductTest?Cmd=%1").arg(command, 0, 16);
        std::vector<std::string> bodies;
        for (const camsim::JournalEntry& entry : sim_.journal()) {
            if (entry.text("protocol") == "http" &&
                QString::fromStdString(entry.text("target")).compare(target, Qt::CaseInsensitive) ==
                    0) {
                bodies.push_back(
                    QByteArray::fromHex(QByteArray::fromStdString(entry.text("body_hex")))
                        .toStdString());
            }
        }
        return bodies;
    }

    // The same bodies read as JSON documents.
    std::vector<QJsonDocument> productJson(int command) const {
        std::vector<QJsonDocument> documents;
        for (const std::string& body : productBodies(command)) {
            documents.push_back(QJsonDocument::fromJson(QByteArray::fromStdString(body)));
        }
        return documents;
    }

    // The raw bodies of the parameter-block requests of one method and wire command, block
    // head included (16 bytes), oldest first.
    std::vector<QByteArray> blockBodies(const char* method, int wireCommand) const {
        std::vector<QByteArray> bodies;
        for (const camsim::JournalEntry& entry : sim_.journal()) {
            const QByteArray body =
                QByteArray::fromHex(QByteArray::fromStdString(entry.text("body_hex")));
            if (entry.text("protocol") == "http" && entry.text("method") == method &&
                entry.text("target") == "/NetSDK/Device/Property" && body.size() >= 16 &&
                ((uchar(body[12]) << 8) | uchar(body[13])) == wireCommand) {
                bodies.push_back(body);
            }
        }
        return bodies;
    }

    // The PUTs of one parameter block after the head, as lower-case hexadecimal.
    std::vector<std::string> blockWrites(int wireCommand) const {
        std::vector<std::string> writes;
        for (const QByteArray& body : blockBodies("PUT", wireCommand)) {
            writes.push_back(body.mid(16).toHex().toStdString());
        }
        return writes;
    }

private:
    camsim::Simulator sim_;
    NETSDK_LOGIN_INFO* login_ = nullptr;
    const NETSDK_CHANNEL channel_{0, 1};
    QSharedPointer<ZRSDKInstance> session_;
};

// Runs answer on the next modal dialog once it is up (message boxes, forms). Call it before
// the action that opens the dialog.
inline void whenModal(std::function<void(QWidget*)> answer) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            answer(modal);
        }
    });
    poll->start(5);
}

// Lets queued calls run (a page posts its load from its constructor).
inline void settle() {
    QCoreApplication::processEvents();
}
