// One camsim camera on loopback with a login and a session on it, for the page tests; and
// helpers that answer the modal dialogs the pages open.
#pragma once

#include <QApplication>
#include <QJsonDocument>
#include <QSharedPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "camsim_fixture.h"
#include "zrsdk_instance.h"

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
        session_ = QSharedPointer<ZRSDKInstance>::create(login_, &pair_, nullptr);
    }
    ~PageCamera() {
        session_.reset();
        NETSDK_Logout(login_);  // also ends an alarm subscription
    }

    const QSharedPointer<ZRSDKInstance>& session() const { return session_; }
    void dropSession() { session_.reset(); }
    const camsim::Simulator& sim() const { return sim_; }

    // The bodies of every request of one product-test command, in order.
    std::vector<std::string> productBodies(int command) const {
        const std::string target = "/NetSDK/System/ProductTest?Cmd=" + hex(command);
        std::vector<std::string> bodies;
        for (const auto& entry : sim_.journal([&](const camsim::JournalEntry& e) {
                 return e.text("protocol") == "http" && e.text("target") == target;
             })) {
            bodies.push_back(entry.text("body"));
        }
        return bodies;
    }

    // PUTs of one property block (wire command code), as hexadecimal bodies after the head.
    std::vector<std::string> blockWrites(int wireCommand) const {
        std::vector<std::string> bodies;
        for (const auto& entry : sim_.journal([&](const camsim::JournalEntry& e) {
                 const std::string body = e.text("body_hex");
                 return e.text("method") == "PUT" && body.size() >= 32 &&
                        std::stoi(body.substr(24, 4), nullptr, 16) == wireCommand;
             })) {
            bodies.push_back(entry.text("body_hex").substr(32));
        }
        return bodies;
    }

private:
    static std::string hex(int value) {
        char text[16];
        std::snprintf(text, sizeof text, "%x", value);
        return text;
    }

    camsim::Simulator sim_;
    NETSDK_LOGIN_INFO* login_ = nullptr;
    const NETSDK_CHANNEL pair_{0, 0};
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
