// camsim for C++ tests: starts the camera simulator for one test, reads what the cameras
// received, and stops it again.
//
//   #include "camsim_fixture.h"
//
//   // Cameras that speak TCP/HTTP only: camsim runs here, on loopback addresses of a block
//   // (127.77.N.0/24) that no other test process holds at the same time.
//   camsim::Simulator sim(camsim::Where::Loopback);
//   sim.start(R"({"cameras": [)" + camsim::camera("CAM1", sim.address(10)) + "]}");
//
//   // Cameras that must hear multicast: camsim runs in the test bed's camera namespace
//   // (scripts/testbed-run). Only one such simulator runs at a time in the whole bed (the
//   // constructor waits for its turn), since every camera there hears every search.
//   // Outside the test bed there is no camera namespace: skip the test then.
//   if (!camsim::testbedPresent()) GTEST_SKIP() << "needs scripts/testbed-run";
//   camsim::Simulator sim(camsim::Where::CameraNetwork);
//   sim.address(10, 2)        -> "10.77.2.10" (networks 1 and 2 are local to the test,
//                                network 3 lies on link 1 but is not local)
//   camsim::testbedLocalAddress(1) -> "10.77.1.1", the test's own address on link 1
//
//   sim.start(configJson);    // writes the config, starts camsim, waits for it to listen;
//                             // throws std::runtime_error (with camsim's output) on failure
//   sim.journal();            // every entry so far, parsed: entry.text("action") ...
//   sim.waitForJournal([](const camsim::JournalEntry& e) { ... }, 2000);
//   sim.takeFaults(configJson); // the running cameras take the config's fault knobs
//   sim.stop();               // also done by the destructor
//
// Link cJSON (the netsdk target brings it) and define KIT_SOURCE_DIR as the repository root.
// camsim ends with the thread that started it (and so with a test that aborts): start and
// stop it on the test's own thread.
// Keep one CameraNetwork simulator per process at a time (a second one would wait for
// the first forever); put all cameras of a test into one config instead.
#pragma once

#include <cjson/cJSON.h>
#include <fcntl.h>
#include <sched.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#ifndef KIT_SOURCE_DIR
#error "camsim_fixture.h needs KIT_SOURCE_DIR (the repository root) defined by the build"
#endif
#ifndef KIT_PYTHON
#error "camsim_fixture.h needs KIT_PYTHON (the Python interpreter) defined by the build"
#endif

namespace camsim {

enum class Where { Loopback, CameraNetwork };

inline std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// True inside scripts/testbed-run, where the camera namespace exists.
inline bool testbedPresent() {
    return !environment("TESTBED_CAMERA_NETNS").empty();
}

// The test's own address on link 1 or 2 of the test bed.
inline std::string testbedLocalAddress(int link) {
    return environment(link == 2 ? "TESTBED_LOCAL_2" : "TESTBED_LOCAL_1");
}

// The same address as a number in host byte order, as the SDK's bindAddress takes it.
inline uint32_t hostOrder(const std::string& dotted) {
    unsigned a = 0, b = 0, c = 0, d = 0;
    std::sscanf(dotted.c_str(), "%u.%u.%u.%u", &a, &b, &c, &d);
    return (a << 24) | (b << 16) | (c << 8) | d;
}

// A camera object for the config: {"id": id, "ip": ip, <extraMembers>}. extraMembers is
// JSON member text such as R"("password": "x", "faults": {"silent": true})".
inline std::string camera(const std::string& id, const std::string& ip,
                          const std::string& extraMembers = "") {
    return R"({"id": ")" + id + R"(", "ip": ")" + ip + "\"" +
           (extraMembers.empty() ? "" : ", " + extraMembers) + "}";
}

// Bytes as the journal writes them: lower-case hexadecimal, two digits a byte.
inline std::string hex(const std::string& bytes) {
    static const char* digits = "0123456789abcdef";
    std::string text;
    for (unsigned char byte : bytes) {
        text += digits[byte >> 4];
        text += digits[byte & 15];
    }
    return text;
}

// One journal line: what one camera (or, for multicast, the simulator) received.
class JournalEntry {
public:
    explicit JournalEntry(cJSON* parsed) : json_(parsed, cJSON_Delete) {}

    // A string member, "" when absent or not a string ("camera" is "" for traffic that no
    // single camera owns, such as a SEARCH).
    std::string text(const char* key) const {
        const cJSON* item = cJSON_GetObjectItemCaseSensitive(json_.get(), key);
        return cJSON_IsString(item) ? item->valuestring : "";
    }
    double number(const char* key, double otherwise = 0) const {
        const cJSON* item = cJSON_GetObjectItemCaseSensitive(json_.get(), key);
        return cJSON_IsNumber(item) ? item->valuedouble : otherwise;
    }
    // Any member (object, array ...), or null.
    const cJSON* field(const char* key) const {
        return cJSON_GetObjectItemCaseSensitive(json_.get(), key);
    }
    // A string member of an object member: entry.text("head", "Cseq").
    std::string text(const char* object, const char* key) const {
        const cJSON* item = cJSON_GetObjectItemCaseSensitive(field(object), key);
        return cJSON_IsString(item) ? item->valuestring : "";
    }

private:
    std::shared_ptr<cJSON> json_;
};

class Simulator {
public:
    explicit Simulator(Where where) : where_(where) {
        lockFolder_ = testbedPresent() ? environment("TESTBED_DIR") : "/tmp";
        if (where_ == Where::CameraNetwork) {
            if (!testbedPresent()) {
                throw std::runtime_error(
                    "camsim: the camera network exists only in the test "
                    "bed (scripts/testbed-run)");
            }
            lock_ = openLock(lockFolder_ + "/camera-networks.lock");
            flock(lock_, LOCK_EX);
        } else {
            reserveLoopbackBlock();
        }
        char folder[] = "/tmp/camsim.XXXXXX";
        if (mkdtemp(folder) == nullptr) {
            throw std::runtime_error("camsim: cannot make a work folder");
        }
        folder_ = folder;
    }

    ~Simulator() {
        stop();
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
        if (lock_ >= 0) {
            close(lock_);  // Releases the block or the camera networks.
        }
    }

    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    // Loopback: 127.77.<block>.host. CameraNetwork: <network's first three octets>.host,
    // network 1 or 2 (local to the test) or 3 (on link 1, not local); host from 10 to 200.
    std::string address(int host, int network = 1) const {
        if (where_ == Where::Loopback) {
            return "127.77." + std::to_string(block_) + "." + std::to_string(host);
        }
        return environment(("TESTBED_CAMERAS_" + std::to_string(network)).c_str()) + "." +
               std::to_string(host);
    }

    const std::string& folder() const { return folder_; }

    // The default time-out only guards against a camsim that never gets ready: a Python
    // start-up took more than 30 s beside three test passes and a busy loop per core. The
    // wait ends as soon as camsim is ready.
    void start(const std::string& configJson, int readyTimeoutMs = 120000) {
        if (pid_ > 0) {
            throw std::runtime_error("camsim: already running");
        }
        writeFile(folder_ + "/cameras.json", configJson);
        writeFile(folder_ + "/journal.jsonl", "");
        // A ready file of an earlier run must not pass for this one's.
        std::remove((folder_ + "/ready").c_str());
        launch();
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(readyTimeoutMs);
        while (access((folder_ + "/ready").c_str(), F_OK) != 0) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                throw std::runtime_error("camsim ended before it was ready:\n" + output());
            }
            if (std::chrono::steady_clock::now() > deadline) {
                stop();
                throw std::runtime_error("camsim was not ready in time:\n" + output());
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }

    // Gives the running cameras the fault knobs that configJson names for them (SIGHUP), and
    // returns once camsim has journalled taking them; the cameras keep their stored settings
    // and the journal goes on. Throws std::runtime_error when camsim did not take them in time.
    void takeFaults(const std::string& configJson, int timeoutMs = 30000) {
        const auto taken = [](const JournalEntry& entry) {
            return entry.text("protocol") == "control" && entry.text("action") == "faults";
        };
        const size_t before = journal(taken).size();
        writeFile(folder_ + "/cameras.json", configJson);
        if (pid_ <= 0 || kill(pid_, SIGHUP) != 0 || !waitForJournal(taken, timeoutMs, before + 1)) {
            throw std::runtime_error("camsim did not take the faults:\n" + output());
        }
    }

    void stop() {
        if (pid_ <= 0) {
            return;
        }
        kill(pid_, SIGTERM);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (waitpid(pid_, nullptr, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                kill(pid_, SIGKILL);
                waitpid(pid_, nullptr, 0);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        pid_ = -1;
    }

    // camsim's standard output and error so far.
    std::string output() const { return readFile(folder_ + "/camsim.log"); }

    std::vector<JournalEntry> journal() const {
        std::vector<JournalEntry> entries;
        std::istringstream lines(readFile(folder_ + "/journal.jsonl"));
        std::string line;
        while (std::getline(lines, line)) {
            if (cJSON* parsed = cJSON_Parse(line.c_str())) {
                entries.emplace_back(parsed);
            }
        }
        return entries;
    }

    // Entries that satisfy match.
    std::vector<JournalEntry> journal(const std::function<bool(const JournalEntry&)>& match) const {
        std::vector<JournalEntry> chosen;
        for (const JournalEntry& entry : journal()) {
            if (match(entry)) {
                chosen.push_back(entry);
            }
        }
        return chosen;
    }

    // Waits until at least count entries satisfy match; false when they did not within
    // timeoutMs.
    bool waitForJournal(const std::function<bool(const JournalEntry&)>& match, int timeoutMs,
                        size_t count = 1) const {
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (journal(match).size() < count) {
            if (std::chrono::steady_clock::now() > deadline) {
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return true;
    }

private:
    static constexpr int kLoopbackBlocks = 254;

    static int openLock(const std::string& path) {
        const int descriptor = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (descriptor < 0) {
            throw std::runtime_error("camsim: cannot open the lock " + path);
        }
        return descriptor;
    }

    void reserveLoopbackBlock() {
        for (int block = 1; block <= kLoopbackBlocks; ++block) {
            const int descriptor =
                openLock(lockFolder_ + "/camsim-loopback-" + std::to_string(block) + ".lock");
            if (flock(descriptor, LOCK_EX | LOCK_NB) == 0) {
                lock_ = descriptor;
                block_ = block;
                return;
            }
            close(descriptor);
        }
        throw std::runtime_error("camsim: every loopback block is taken");
    }

    void launch() {
        const std::string script = environment("CAMSIM").empty()
                                       ? std::string(KIT_SOURCE_DIR) + "/tools/camsim/camsim.py"
                                       : environment("CAMSIM");
        const std::vector<std::string> arguments = {KIT_PYTHON,  script,
                                                    "--config",  folder_ + "/cameras.json",
                                                    "--journal", folder_ + "/journal.jsonl",
                                                    "--ready",   folder_ + "/ready"};
        std::vector<char*> argv;
        for (const std::string& argument : arguments) {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        argv.push_back(nullptr);
        const std::string logPath = folder_ + "/camsim.log";
        const std::string netns = environment("TESTBED_CAMERA_NETNS");
        const bool enterCameraNamespace = where_ == Where::CameraNetwork;

        const pid_t parent = getpid();
        pid_ = fork();
        if (pid_ < 0) {
            throw std::runtime_error("camsim: fork failed");
        }
        if (pid_ == 0) {
            // Only async-signal-safe calls between fork and exec. camsim ends with the test
            // process, also when a failing test aborts it before the destructor runs.
            prctl(PR_SET_PDEATHSIG, SIGTERM);
            if (getppid() != parent) {
                _exit(125);
            }
            const int log = open(logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (log >= 0) {
                dup2(log, STDOUT_FILENO);
                dup2(log, STDERR_FILENO);
            }
            if (enterCameraNamespace) {
                const int ns = open(netns.c_str(), O_RDONLY);
                if (ns < 0 || setns(ns, CLONE_NEWNET) != 0) {
                    _exit(126);
                }
            }
            execvp(argv[0], argv.data());
            _exit(127);
        }
    }

    static void writeFile(const std::string& path, const std::string& text) {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file << text;
        if (!file) {
            throw std::runtime_error("camsim: cannot write " + path);
        }
    }

    static std::string readFile(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }

    Where where_;
    std::string lockFolder_;
    std::string folder_;
    int lock_ = -1;
    int block_ = 0;
    pid_t pid_ = -1;
};

}  // namespace camsim
