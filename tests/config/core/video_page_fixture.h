// A configuration dialog logged into one camsim camera on loopback, for the tests of the
// pages that show the live picture: widgets by object name, and the parameter blocks that
// the camera received, read back from its journal.
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QStackedWidget>
#include <QtEndian>
#include <cstring>
#include <string>
#include <vector>

#include "camsim_fixture.h"
#include "remote_config_dialog.h"

class DialogOnCamera {
public:
    // extraMembers: further members of the camera object, e.g. R"("light_modes": [16, 17])".
    explicit DialogOnCamera(const std::string& extraMembers = "")
        : sim_(camsim::Where::Loopback), dialog_(startCamera(extraMembers), nullptr) {
        loggedIn_ = dialog_.login("admin", "pw", 80, 1680);
        // The first page loads from the queue; let it run before the test picks its page.
        QCoreApplication::processEvents();
    }

    bool loggedIn() const { return loggedIn_; }
    RemoteConfigDialog& dialog() { return dialog_; }

    template <typename Widget>
    Widget* widget(const char* name) {
        return dialog_.findChild<Widget*>(name);
    }

    // Makes a built-in page current, which reads it from the camera.
    void showPage(int index) { widget<QStackedWidget>("stackedWidget")->setCurrentIndex(index); }

    // The bodies (block head removed) of the blocks the camera received by one method, for one
    // wire command, in order.
    std::vector<QByteArray> blocks(const char* method, int command) const {
        std::vector<QByteArray> bodies;
        for (const camsim::JournalEntry& entry : sim_.journal()) {
            const QByteArray bytes =
                QByteArray::fromHex(QByteArray::fromStdString(entry.text("body_hex")));
            if (entry.text("method") == method &&
                entry.text("target") == "/NetSDK/Device/Property" && bytes.size() >= kHead &&
                qFromBigEndian<quint16>(bytes.constData() + 12) == command) {
                bodies.push_back(bytes.mid(kHead));
            }
        }
        return bodies;
    }

    // The one block written for a wire command; empty when there was none or more than one.
    QByteArray written(int command) const {
        const auto bodies = blocks("PUT", command);
        return bodies.size() == 1 ? bodies.front() : QByteArray();
    }

    const camsim::Simulator& sim() const { return sim_; }

    // The same camera again, with other members (faults): the login stays, the camera's
    // stored settings and the journal start afresh.
    void restartCamera(const std::string& extraMembers) {
        sim_.stop();
        startCamera(extraMembers);
    }

private:
    static constexpr int kHead = 16;

    QString startCamera(const std::string& extraMembers) {
        const std::string members =
            std::string(R"("password": "pw")") + (extraMembers.empty() ? "" : ", " + extraMembers);
        sim_.start(R"({"cameras": [)" + camsim::camera("CAM1", sim_.address(10), members) + "]}");
        return QString::fromStdString(sim_.address(10));
    }

    camsim::Simulator sim_;
    RemoteConfigDialog dialog_;
    bool loggedIn_ = false;
};

// A wire body under construction: zeros with little-endian words, floats and texts placed
// at wire offsets, to compare with what the camera received.
class WireBody {
public:
    explicit WireBody(int size) : bytes_(size, '\0') {}
    WireBody& word(int offset, qint32 value) {
        qToLittleEndian(value, bytes_.data() + offset);
        return *this;
    }
    WireBody& real(int offset, float value) {
        qint32 bits;
        std::memcpy(&bits, &value, sizeof(bits));
        return word(offset, bits);
    }
    WireBody& text(int offset, const QByteArray& text) {
        bytes_.replace(offset, text.size(), text);
        return *this;
    }
    const QByteArray& bytes() const { return bytes_; }

private:
    QByteArray bytes_;
};

inline qint32 wireWord(const QByteArray& body, int offset) {
    return qFromLittleEndian<qint32>(body.constData() + offset);
}
