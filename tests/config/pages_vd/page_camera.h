// One camsim camera on loopback with a login and a session, for the page tests: the pages
// talk to it through the session, and the tests read back what it received.
#pragma once

#include <QJsonDocument>
#include <QObject>
#include <QString>
#include <memory>
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
    explicit PageCamera(const std::string& extraMembers = "") : sim_(camsim::Where::Loopback) {
        const std::string members =
            std::string(R"("password": "pw")") + (extraMembers.empty() ? "" : ", " + extraMembers);
        sim_.start(R"({"cameras": [)" + camsim::camera("CAM1", sim_.address(10), members) + "]}");
        login_ = NETSDK_Login(sim_.address(10).c_str(), 80, 1680, "admin", "pw", 0);
        session_ = std::make_unique<ZRSDKInstance>(login_, &channel_, nullptr);
        session_->setHostAddress(QHostAddress(QString::fromStdString(sim_.address(10))));
        session_->setCredentials("admin", "pw");
    }
    ~PageCamera() {
        if (login_ != nullptr) {
            NETSDK_Logout(login_);
        }
    }
    PageCamera(const PageCamera&) = delete;
    PageCamera& operator=(const PageCamera&) = delete;

    bool loggedIn() const { return login_ != nullptr; }
    ZRSDKInstance* session() { return session_.get(); }

    // The bodies of the product-test requests of one command, oldest first.
    std::vector<QJsonDocument> productBodies(int command) const {
        const QString target = QString("/NetSDK/System/ProductTest?Cmd=%1").arg(command, 0, 16);
        std::vector<QJsonDocument> bodies;
        for (const camsim::JournalEntry& entry : sim_.journal()) {
            if (entry.text("protocol") == "http" &&
                QString::fromStdString(entry.text("target")).compare(target, Qt::CaseInsensitive) ==
                    0) {
                bodies.push_back(QJsonDocument::fromJson(
                    QByteArray::fromHex(QByteArray::fromStdString(entry.text("body_hex")))));
            }
        }
        return bodies;
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

private:
    camsim::Simulator sim_;
    NETSDK_LOGIN_INFO* login_ = nullptr;
    const NETSDK_CHANNEL channel_{0, 1};
    std::unique_ptr<ZRSDKInstance> session_;
};
