// A configuration dialog logged into one camsim camera on loopback, for the tests of the
// built-in pages: shows a page, finds its widgets by object name, answers the modal boxes
// a handler opens, and reads the blocks that the camera was sent from camsim's journal.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QStackedWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <string>

#include "camsim_fixture.h"
#include "remote_config_dialog.h"

namespace pagetest {

// The block head in front of every property body: magic, length, version, channel,
// command, all big-endian.
constexpr size_t kBlockHead = 16;

// One property block the camera received in a PUT.
struct SentBlock {
    int channel = -1;
    std::string body;  // after the head

    int32_t word(size_t offset) const {
        if (offset + 4 > body.size()) {
            return INT32_MIN;
        }
        uint32_t value = 0;
        for (int i = 3; i >= 0; --i) {
            value = (value << 8) | uint8_t(body[offset + size_t(i)]);
        }
        return int32_t(value);
    }
    std::string text(size_t offset, size_t size) const {
        if (offset + size > body.size()) {
            return "<outside>";
        }
        return std::string(body.c_str() + offset, strnlen(body.c_str() + offset, size));
    }
};

inline std::string fromHex(const std::string& hex) {
    std::string bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes += char(std::stoi(hex.substr(i, 2), nullptr, 16));
    }
    return bytes;
}

// Answers, in order, the dialogs that a handler asks before it writes (a form, a question);
// then presses the default button of every modal box that opens while it lives and keeps the
// texts it saw.
class ModalCloser : public QObject {
public:
    using Answer = std::function<void(QWidget*)>;

    explicit ModalCloser(QList<Answer> answers = {}) : answers_(std::move(answers)) {
        connect(&timer_, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || modal == last_) {
                return;
            }
            if (!answers_.isEmpty()) {
                last_ = modal;
                answers_.takeFirst()(modal);
                return;
            }
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                last_ = box;
                titles << box->windowTitle();
                texts << box->text();
                box->accept();
            }
        });
        timer_.start(5);
    }
    QStringList titles;
    QStringList texts;

private:
    QList<Answer> answers_;
    QTimer timer_;
    QPointer<QWidget> last_;
};

// Opens the tree entry of this title as the user would; false when the tree has not exactly
// one such entry.
inline bool clickTreeEntry(RemoteConfigDialog& dialog, const QString& title) {
    auto* tree = dialog.findChild<QTreeWidget*>("treeWidget");
    const auto items = tree->findItems(title, Qt::MatchExactly | Qt::MatchRecursive);
    if (items.size() != 1) {
        qWarning("The tree has %d entries %s", items.size(), qPrintable(title));
        return false;
    }
    emit tree->itemClicked(items.front(), 0);
    return true;
}

// Opens the page of the tree title, after a page without a save so that it loads from the
// camera again; null when the tree has no such entry.
inline QWidget* openTreePage(RemoteConfigDialog& dialog, const QString& title) {
    if (!clickTreeEntry(dialog, "网络状态") || !clickTreeEntry(dialog, title)) {
        return nullptr;
    }
    return dialog.findChild<QStackedWidget*>("stackedWidget")->currentWidget();
}

class LoggedInDialog {
public:
    // extraMembers: more camera members for camsim, e.g. R"("faults": {...})".
    explicit LoggedInDialog(const std::string& extraMembers = "") : sim(camsim::Where::Loopback) {
        sim.start(config(extraMembers));
        dialog =
            std::make_unique<RemoteConfigDialog>(QString::fromStdString(sim.address(10)), nullptr);
        loggedIn = dialog->login("admin", "pw", 80, 1680);
    }

    // The same camera again, with other members (faults): the login stays, the camera's
    // stored settings and the journal start afresh.
    void restartCamera(const std::string& extraMembers) {
        sim.stop();
        sim.start(config(extraMembers));
    }

    template <class Widget>
    Widget* find(const char* name) const {
        auto* widget = dialog->findChild<Widget*>(name);
        if (widget == nullptr) {
            qWarning("No widget %s", name);
        }
        return widget;
    }

    // Makes a built-in page current, which reads it from the camera.
    void show(int page) {
        auto* stack = find<QStackedWidget>("stackedWidget");
        if (stack->currentIndex() == page) {
            stack->setCurrentIndex(RemoteConfigDialog::CloudPlatformPage);
        }
        stack->setCurrentIndex(page);
    }

    // The property blocks with this command that the camera was sent, oldest first.
    std::vector<SentBlock> sent(int command) const {
        std::vector<SentBlock> blocks;
        for (const camsim::JournalEntry& entry : sim.journal()) {
            if (entry.text("method") != "PUT" ||
                entry.text("target") != "/NetSDK/Device/Property") {
                continue;
            }
            const std::string bytes = fromHex(entry.text("body_hex"));
            if (bytes.size() < kBlockHead ||
                ((uint8_t(bytes[12]) << 8) | uint8_t(bytes[13])) != command) {
                continue;
            }
            blocks.push_back(
                {(uint8_t(bytes[10]) << 8) | uint8_t(bytes[11]), bytes.substr(kBlockHead)});
        }
        return blocks;
    }

    // The block commands of the writes the camera received, in order.
    QList<int> writtenCommands() const {
        QList<int> commands;
        for (const camsim::JournalEntry& entry : sim.journal()) {
            const std::string bytes = fromHex(entry.text("body_hex"));
            if (entry.text("method") == "PUT" &&
                entry.text("target") == "/NetSDK/Device/Property" && bytes.size() >= kBlockHead) {
                commands << ((uint8_t(bytes[12]) << 8) | uint8_t(bytes[13]));
            }
        }
        return commands;
    }

    size_t requests(const std::string& method, const std::string& target) const {
        return sim
            .journal([&](const camsim::JournalEntry& e) {
                return e.text("method") == method && e.text("target") == target;
            })
            .size();
    }

    camsim::Simulator sim;
    std::unique_ptr<RemoteConfigDialog> dialog;
    bool loggedIn = false;

private:
    std::string config(const std::string& extraMembers) const {
        std::string members = R"("password": "pw")";
        if (!extraMembers.empty()) {
            members += ", " + extraMembers;
        }
        return R"({"cameras": [)" + camsim::camera("CAM1", sim.address(10), members) + "]}";
    }
};

}  // namespace pagetest
