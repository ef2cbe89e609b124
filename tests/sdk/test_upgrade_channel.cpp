// Firmware upgrade against a simulated camera: the head and the file as the camera got them,
// progress, cancel, and cameras that fail.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "camsim_fixture.h"
#include "channels/upgrade_client.h"
#include "netsdk.h"

namespace {

struct Progress {
    std::vector<int> percents;
    std::string address;
    int cancelAt = -1;  // answer 5 at this percentage
};

int onProgress(int percent, const char* address, void* user) {
    auto* progress = static_cast<Progress*>(user);
    progress->percents.push_back(percent);
    progress->address = address;
    return percent == progress->cancelAt ? 5 : 0;
}

// The SHA-256 of a file as text, by the system's tool, independent of the SDK.
std::string sha256Of(const std::string& path) {
    FILE* pipe = popen(("sha256sum '" + path + "'").c_str(), "r");
    char digest[65] = {};
    if (pipe == nullptr || std::fread(digest, 1, 64, pipe) != 64) {
        digest[0] = '\0';
    }
    if (pipe != nullptr) {
        pclose(pipe);
    }
    return digest;
}

// Captures what the SDK writes to standard output while it lives.
class StdoutCapture {
public:
    StdoutCapture() {
        std::fflush(stdout);
        saved_ = dup(STDOUT_FILENO);
        file_ = std::tmpfile();
        dup2(fileno(file_), STDOUT_FILENO);
    }
    ~StdoutCapture() { restore(); }
    std::string text() {
        restore();
        std::rewind(file_);
        std::string all;
        char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, file_)) > 0) {
            all.append(buffer, n);
        }
        return all;
    }

private:
    void restore() {
        if (saved_ >= 0) {
            std::fflush(stdout);
            dup2(saved_, STDOUT_FILENO);
            close(saved_);
            saved_ = -1;
        }
    }
    int saved_ = -1;
    FILE* file_ = nullptr;
};

class UpgradeChannel : public ::testing::Test {
protected:
    void startCamera(const std::string& members = "") {
        sim.start(R"({"cameras": [)" + camsim::camera("CAM1", sim.address(10), members) + "]}");
    }

    std::string firmware(size_t size) {
        const std::string path = sim.folder() + "/firmware.rom";
        std::ofstream file(path, std::ios::binary);
        for (size_t i = 0; i < size; ++i) {
            file.put(static_cast<char>((i * 7 + i / 251) & 0xFF));
        }
        return path;
    }

    int upgrade(const std::string& path) {
        return NETSDK_UpgradeFirmware(sim.address(10).c_str(), path.c_str(), onProgress, &progress);
    }

    camsim::Simulator sim{camsim::Where::Loopback};
    Progress progress;
};

}  // namespace

TEST_F(UpgradeChannel, HeadAndFileReachTheCameraAndProgressEndsAt100) {
    startCamera();
    const std::string path = firmware(300000);
    EXPECT_EQ(upgrade(path), 0);
    EXPECT_EQ(progress.percents, (std::vector<int>{50, 100}));
    EXPECT_EQ(progress.address, sim.address(10));
    const auto heads =
        sim.journal([](const camsim::JournalEntry& e) { return e.text("event") == "head"; });
    ASSERT_EQ(heads.size(), 1u);
    EXPECT_EQ(heads[0].text("head"), "4b5456510000100100000000000493e0");  // 300000 = 0x493e0
    const auto files =
        sim.journal([](const camsim::JournalEntry& e) { return e.text("event") == "file"; });
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].text("sha256"), sha256Of(path));
}

TEST_F(UpgradeChannel, ProgressMessagesAreReadWholeWhateverTheirPieces) {
    // A split message, one whose code is not 0x1002 but whose magic is right, one with
    // neither (its percentage is not taken), then the end.
    startCamera(R"("upgrade_progress": [{"percent": 20, "split": 0.2},
                                         {"percent": 40, "code": 4099},
                                         {"percent": 77, "code": 4099, "magic": "XXXX"},
                                         100])");
    EXPECT_EQ(upgrade(firmware(1000)), 0);
    EXPECT_EQ(progress.percents, (std::vector<int>{20, 40, 40, 100}));
}

TEST_F(UpgradeChannel, CallbackCancelsWithItsAnswerAndTheLogLine) {
    startCamera(R"("upgrade_progress": [10, 30, 60, 100])");
    progress.cancelAt = 30;
    StdoutCapture output;
    EXPECT_EQ(upgrade(firmware(1000)), 5);
    const std::string log = output.text();
    EXPECT_EQ(progress.percents, (std::vector<int>{10, 30}));
    EXPECT_NE(log.find("[_UPGRADE_RecvProgressThread]-"), std::string::npos) << log;
    EXPECT_NE(log.find(": User cancel upgrade...\r\n"), std::string::npos) << log;
}

TEST_F(UpgradeChannel, FailuresGiveMinusOne) {
    startCamera(R"("faults": {"upgrade_close_early": true})");
    const std::string path = firmware(1000);
    EXPECT_EQ(upgrade(path), -1) << "camera closed before any progress";
    EXPECT_TRUE(progress.percents.empty());
    EXPECT_EQ(NETSDK_UpgradeFirmware(sim.address(99).c_str(), path.c_str(), onProgress, &progress),
              -1)
        << "nobody listening";
    EXPECT_EQ(upgrade(sim.folder() + "/missing.rom"), -1);
    EXPECT_EQ(NETSDK_UpgradeFirmware(nullptr, path.c_str(), onProgress, &progress), -1);
    EXPECT_EQ(NETSDK_UpgradeFirmware(sim.address(10).c_str(), nullptr, onProgress, &progress), -1);
    EXPECT_EQ(NETSDK_UpgradeFirmware(sim.address(10).c_str(), path.c_str(), nullptr, &progress),
              -1);
}

TEST_F(UpgradeChannel, AFileThatCannotBeReadIsNeverAnnounced) {
    startCamera();
    // A directory opens but cannot be read: nothing may reach the camera.
    EXPECT_EQ(upgrade(sim.folder()), -1);
    EXPECT_TRUE(
        sim.journal([](const camsim::JournalEntry& e) { return e.text("protocol") == "upgrade"; })
            .empty());
}
