#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <strings.h>
#include <sys/wait.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "http/http_client.h"
#include "loopback_listener.h"
#include "slow_reader.h"

extern char** environ;

namespace {

// Reads one request (head, then a body of its Content-Length) from a connection; empty when
// none came within the time-out.
std::string readRequest(int socket) {
    std::string request;
    char buffer[4096];
    size_t headEnd = std::string::npos;
    size_t total = std::string::npos;
    while (total == std::string::npos || request.size() < total) {
        pollfd entry{socket, POLLIN, 0};
        if (::poll(&entry, 1, 5000) != 1) {
            break;
        }
        const ssize_t got = ::recv(socket, buffer, sizeof buffer, 0);
        if (got <= 0) {
            break;
        }
        request.append(buffer, static_cast<size_t>(got));
        if (headEnd == std::string::npos &&
            (headEnd = request.find("\r\n\r\n")) != std::string::npos) {
            size_t length = 0;
            const std::string head = request.substr(0, headEnd);
            const size_t at = head.find("\r\nContent-Length: ");
            if (at != std::string::npos) {
                length = std::stoul(head.substr(at + 18));
            }
            total = headEnd + 4 + length;
        }
    }
    return request;
}

// How a server sends its answer: the first bytes at once, then one byte per interval.
struct Trickle {
    size_t atOnce = std::string::npos;
    int intervalMs = 0;
};

// Plays a server from a script: the n-th connection gets the n-th answer (the last one
// again for any further connection). With closeAfterAnswer false the server keeps the
// connection until the client closes it, so a client that waited for the close would
// time out.
class ScriptedServer {
public:
    explicit ScriptedServer(std::vector<std::string> answers, bool closeAfterAnswer = true,
                            Trickle trickle = {})
        : answers_(std::move(answers)), closeAfterAnswer_(closeAfterAnswer), trickle_(trickle) {
        thread_ = std::thread([this] { serve(); });
    }
    ~ScriptedServer() { stop(); }

    int port() const { return listener_.port(); }

    // Ends serving; afterwards requests() holds everything that arrived.
    void stop() {
        {
            std::lock_guard<std::mutex> guard(lock_);
            stopping_ = true;
        }
        stopped_.notify_all();
        if (thread_.joinable()) {
            thread_.join();
        }
    }

    std::vector<std::string> requests() {
        std::lock_guard<std::mutex> guard(lock_);
        return requests_;
    }

private:
    void serve() {
        while (!stopping_) {
            OwnedSocket connection = listener_.accept(20);
            if (connection.get() < 0) {
                continue;
            }
            const std::string request = readRequest(connection.get());
            size_t index = 0;
            {
                std::lock_guard<std::mutex> guard(lock_);
                requests_.push_back(request);
                index = std::min(requests_.size(), answers_.size()) - 1;
            }
            sendAnswer(connection.get(), answers_[index]);
            if (!closeAfterAnswer_) {
                readRequest(connection.get());  // returns when the client closes
            }
        }
    }

    // Sends the answer as the trickle says, ending early when the server stops or the client
    // has gone.
    void sendAnswer(int connection, const std::string& answer) {
        const size_t atOnce = std::min(trickle_.atOnce, answer.size());
        ::send(connection, answer.data(), atOnce, MSG_NOSIGNAL);
        std::unique_lock<std::mutex> guard(lock_);
        for (size_t next = atOnce; next < answer.size(); ++next) {
            if (stopped_.wait_for(guard, std::chrono::milliseconds(trickle_.intervalMs),
                                  [this] { return stopping_.load(); }) ||
                ::send(connection, answer.data() + next, 1, MSG_NOSIGNAL) != 1) {
                return;
            }
        }
    }

    LoopbackListener listener_;
    const std::vector<std::string> answers_;
    const bool closeAfterAnswer_;
    const Trickle trickle_;
    std::atomic<bool> stopping_{false};
    std::mutex lock_;  // guards requests_ and stopping_'s signal; server thread and test
    std::condition_variable stopped_;
    std::vector<std::string> requests_;
    std::thread thread_;
};

// What the client reported for one request, and the body when asked to read it.
struct Outcome {
    HTTP_CLIENT* client = nullptr;
    bool readBody = true;
    int bodyCapacity = 4096;
    int replies = 0;
    int error = 1;
    int status = 0;
    int64_t contentLength = 0;
    int bodyError = 1;
    std::string body;
    bool destroyInReply = false;
};

void onBody(void* user, int error, char* buffer, int count) {
    auto* outcome = static_cast<Outcome*>(user);
    outcome->bodyError = error;
    outcome->body.assign(buffer, static_cast<size_t>(count));
}

void onReply(void* user, int error, int status, int64_t contentLength) {
    auto* outcome = static_cast<Outcome*>(user);
    ++outcome->replies;
    outcome->error = error;
    outcome->status = status;
    outcome->contentLength = contentLength;
    if (error == 0 && outcome->readBody) {
        std::vector<char> buffer(static_cast<size_t>(outcome->bodyCapacity));
        HTTP_CLIENT_ReadBody(outcome->client, buffer.data(), outcome->bodyCapacity, HTTP_READ_WHOLE,
                             onBody, outcome);
    }
    if (outcome->destroyInReply) {
        HTTP_CLIENT_Destroy(outcome->client);
    }
}

using RequestFunction = int (*)(HTTP_CLIENT*, const char*, const HTTP_HEADER*, int, const char*,
                                int, HTTP_ReplyCallback, void*);

class HttpClientTest : public ::testing::Test {
protected:
    HTTP_CLIENT* connectTo(int port) {
        client_ = HTTP_CLIENT_Create(nullptr, "http", "127.0.0.1", port);
        if (client_ != nullptr) {
            HTTP_CLIENT_SetTimeouts(client_, 2000, 2000);
        }
        return client_;
    }
    void TearDown() override { HTTP_CLIENT_Destroy(client_); }

    // Runs a GET of path and returns what happened.
    Outcome get(const char* path, const HTTP_HEADER* headers = nullptr, int headerCount = 0) {
        Outcome outcome;
        outcome.client = client_;
        outcome.error =
            HTTP_CLIENT_Get(client_, path, headers, headerCount, nullptr, 0, onReply, &outcome) == 0
                ? outcome.error
                : -100;
        return outcome;
    }

    HTTP_CLIENT* client_ = nullptr;
};

const char kOk[] = "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok";

TEST_F(HttpClientTest, WritesTheRequestHeadInOrder) {
    struct Case {
        RequestFunction request;
        const char* body;
        int bodyLength;
        std::string expected;
    };
    const HTTP_HEADER headers[] = {
        {"Authorization", "Basic YTpi"}, {"", "skipped"}, {"X-Two", "2"}};
    const char head[] = "\r\nAuthorization: Basic YTpi\r\nX-Two: 2\r\nHost: 127.0.0.1:";
    const Case cases[] = {
        {HTTP_CLIENT_Get, nullptr, 0, std::string("GET /p?q=1 HTTP/1.1") + head},
        {HTTP_CLIENT_Get, "0123456789abcdef", 16, std::string("GET /p?q=1 HTTP/1.1") + head},
        {HTTP_CLIENT_Put, nullptr, 0, std::string("PUT /p?q=1 HTTP/1.1") + head},
        {HTTP_CLIENT_Put, "{}", 2, std::string("PUT /p?q=1 HTTP/1.1") + head},
        {HTTP_CLIENT_Post, nullptr, 0, std::string("POST /p?q=1 HTTP/1.1") + head},
        {HTTP_CLIENT_Post, "a\0b", 3, std::string("POST /p?q=1 HTTP/1.1") + head},
    };
    for (const Case& c : cases) {
        ScriptedServer server({kOk});
        ASSERT_NE(connectTo(server.port()), nullptr);
        Outcome outcome;
        outcome.client = client_;
        ASSERT_EQ(c.request(client_, "/p?q=1", headers, 3, c.body, c.bodyLength, onReply, &outcome),
                  0);
        server.stop();
        const std::string body = c.body ? std::string(c.body, c.bodyLength) : std::string();
        const std::string expected = c.expected + std::to_string(server.port()) +
                                     "\r\nContent-Length: " + std::to_string(c.bodyLength) +
                                     "\r\n\r\n" + body;
        ASSERT_EQ(server.requests().size(), 1u);
        EXPECT_EQ(server.requests()[0], expected);
        EXPECT_EQ(outcome.error, 0);
        EXPECT_EQ(outcome.status, 200);
        EXPECT_EQ(outcome.body, "ok");
        HTTP_CLIENT_Destroy(client_);
        client_ = nullptr;
    }
}

TEST_F(HttpClientTest, CallerHeadersReplaceTheAutomaticOnes) {
    for (const char* hostName : {"Host", "HOST", "host", "hOsT"}) {
        ScriptedServer server({kOk});
        ASSERT_NE(connectTo(server.port()), nullptr);
        const HTTP_HEADER headers[] = {{hostName, "camera"}, {"content-length", "0"}};
        get("/", headers, 2);
        server.stop();
        ASSERT_EQ(server.requests().size(), 1u);
        EXPECT_EQ(server.requests()[0], "GET / HTTP/1.1\r\n" + std::string(hostName) +
                                            ": camera\r\ncontent-length: 0\r\n\r\n");
        HTTP_CLIENT_Destroy(client_);
        client_ = nullptr;
    }
}

TEST_F(HttpClientTest, StoresTheCookieAndSendsItNextTime) {
    ScriptedServer server(
        {"HTTP/1.1 200 OK\r\nSet-Cookie: id=42; Path=/; HttpOnly\r\n"
         "Content-Length: 0\r\n\r\n",
         "HTTP/1.1 200 OK\r\nSet-Cookie: id=43\r\nContent-Length: 0\r\n\r\n", kOk});
    ASSERT_NE(connectTo(server.port()), nullptr);
    get("/login");
    get("/next");
    const HTTP_HEADER own[] = {{"COOKIE", "mine=1"}};
    get("/own", own, 1);
    server.stop();
    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].find("Cookie:"), std::string::npos);
    EXPECT_NE(requests[1].find("\r\nCookie: id=42\r\n"), std::string::npos) << requests[1];
    EXPECT_NE(requests[2].find("\r\nCOOKIE: mine=1\r\n"), std::string::npos) << requests[2];
    EXPECT_EQ(requests[2].find("id=43"), std::string::npos) << requests[2];
}

TEST_F(HttpClientTest, KeepsTheOldCookieWhenANewOneIsTooLong) {
    const std::string longValue(600, 'v');
    ScriptedServer server(
        {"HTTP/1.1 200 OK\r\nSet-Cookie: id=42\r\nContent-Length: 0\r\n\r\n",
         "HTTP/1.1 200 OK\r\nSet-Cookie: id=" + longValue + "\r\nContent-Length: 0\r\n\r\n", kOk});
    ASSERT_NE(connectTo(server.port()), nullptr);
    get("/first");
    get("/second");
    get("/third");
    server.stop();
    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_NE(requests[2].find("\r\nCookie: id=42\r\n"), std::string::npos) << requests[2];
}

TEST_F(HttpClientTest, EndsBodiesByTheirFraming) {
    struct Case {
        const char* name;
        std::string answer;
        bool closeAfterAnswer;
        int status;
        int64_t contentLength;
        std::string body;
    };
    const Case cases[] = {
        {"chunked", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n4\r\nWiki\r\n0\r\n\r\n",
         false, 200, -1, "Wiki"},
        {"noContentWithoutLength", "HTTP/1.1 204 No Content\r\n\r\n", false, 204, -1, ""},
        {"length", "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhello", false, 200, 5, "hello"},
        {"toClose", "HTTP/1.1 200 OK\r\n\r\nall until the close", true, 200, -1,
         "all until the close"},
        {"redirectIsFinal", "HTTP/1.1 302 Found\r\nLocation: /elsewhere\r\n\r\n", true, 302, -1,
         ""},
    };
    for (const Case& c : cases) {
        ScriptedServer server({c.answer}, c.closeAfterAnswer);
        ASSERT_NE(connectTo(server.port()), nullptr);
        const Outcome outcome = get("/");
        server.stop();
        SCOPED_TRACE(c.name);
        EXPECT_EQ(outcome.replies, 1);
        EXPECT_EQ(outcome.error, 0);
        EXPECT_EQ(outcome.status, c.status);
        EXPECT_EQ(outcome.contentLength, c.contentLength);
        EXPECT_EQ(outcome.bodyError, 0);
        EXPECT_EQ(outcome.body, c.body);
        EXPECT_EQ(server.requests().size(), 1u);  // nothing is sent twice
        HTTP_CLIENT_Destroy(client_);
        client_ = nullptr;
    }
}

TEST_F(HttpClientTest, ReportsBrokenAnswers) {
    struct Case {
        const char* name;
        std::string answer;
        bool closeAfterAnswer;
        int replyError;
        int bodyError;  // 1: the body is not read
    };
    const Case cases[] = {
        {"statusLineMalformed", "HTTP/1.1 OK\r\n\r\n", true, -1, 1},
        {"statusLineNotHttp", "hello\r\n\r\n", true, -1, 1},
        {"closedInHead", "HTTP/1.1 200 OK\r\nContent-", true, -1, 1},
        {"noAnswer", "", false, SOCKET_TIMED_OUT, 1},
        {"lengthBeyondLimit", "HTTP/1.1 200 OK\r\nContent-Length: 67108865\r\n\r\n", true, -7, 1},
        {"badChunkDigit", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nz\r\n", true, 0,
         -1},
        {"closedInBody", "HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nabc", true, 0, -1},
        {"bodyNeverEnds", "HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nabc", false, 0,
         SOCKET_TIMED_OUT},
    };
    for (const Case& c : cases) {
        ScriptedServer server({c.answer}, c.closeAfterAnswer);
        ASSERT_NE(connectTo(server.port()), nullptr);
        HTTP_CLIENT_SetTimeouts(client_, 200, 200);
        const Outcome outcome = get("/");
        server.stop();
        SCOPED_TRACE(c.name);
        EXPECT_EQ(outcome.replies, 1);
        EXPECT_EQ(outcome.error, c.replyError);
        EXPECT_EQ(outcome.bodyError, c.bodyError);
        if (c.replyError != 0) {
            EXPECT_EQ(outcome.status, 0);
        }
        HTTP_CLIENT_Destroy(client_);
        client_ = nullptr;
    }
}

TEST_F(HttpClientTest, ATricklingAnswerEndsAtTheExchangeDeadline) {
    struct Case {
        const char* name;
        size_t atOnce;  // bytes of the answer sent before the trickle
        int replyError;
        int bodyError;  // 1: the body is not read
    };
    const std::string answer =
        "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n" + std::string(100, 'x');
    const Case cases[] = {
        {"head trickles", 0, SOCKET_TIMED_OUT, 1},
        {"body trickles", answer.find("\r\n\r\n") + 4, 0, SOCKET_TIMED_OUT},
    };
    for (const Case& c : cases) {
        // Each byte comes well within the receive time-out; only the deadline ends the wait.
        ScriptedServer server({answer}, true, Trickle{c.atOnce, 20});
        ASSERT_NE(connectTo(server.port()), nullptr);
        HTTP_CLIENT_SetDeadline(client_, 300);
        const auto start = std::chrono::steady_clock::now();
        const Outcome outcome = get("/");
        const auto elapsed = std::chrono::steady_clock::now() - start;
        server.stop();
        SCOPED_TRACE(c.name);
        EXPECT_EQ(outcome.replies, 1);
        EXPECT_EQ(outcome.error, c.replyError);
        EXPECT_EQ(outcome.bodyError, c.bodyError);
        EXPECT_LT(elapsed, std::chrono::seconds(2)) << "far less than the whole trickle";
        HTTP_CLIENT_Destroy(client_);
        client_ = nullptr;
    }
}

TEST_F(HttpClientTest, ASlowlyTakenUploadEndsAtTheExchangeDeadline) {
    // Each wait for room ends well within the send time-out; only the deadline ends the send.
    SlowReader camera(4096, 10);
    ASSERT_NE(connectTo(camera.port()), nullptr);
    constexpr int kDeadlineMs = 300;
    HTTP_CLIENT_SetDeadline(client_, kDeadlineMs);
    const std::string upload(1 << 20, 'u');
    Outcome outcome;
    outcome.client = client_;
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(HTTP_CLIENT_Post(client_, "/upload", nullptr, 0, upload.data(),
                               static_cast<int>(upload.size()), onReply, &outcome),
              0);
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
    EXPECT_EQ(outcome.replies, 1);
    EXPECT_EQ(outcome.error, SOCKET_TIMED_OUT);
    EXPECT_LT(elapsed.count(), kDeadlineMs + 250)
        << "the camera took " << camera.received() << " of " << upload.size() << " bytes";
}

TEST_F(HttpClientTest, AConnectThatHangsEndsAtTheExchangeDeadline) {
    // The transport's own connect wait is 5 s; a camera that never completes the handshake
    // must not hold an exchange of 300 ms that long.
    LoopbackListener camera(0);
    camera.fillQueue();
    ASSERT_NE(connectTo(camera.port()), nullptr);
    constexpr int kDeadlineMs = 300;
    HTTP_CLIENT_SetDeadline(client_, kDeadlineMs);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(get("/").error, -100) << "the request could not start";
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
    EXPECT_GE(elapsed.count(), kDeadlineMs - 10);
    EXPECT_LT(elapsed.count(), kDeadlineMs + 250);
}

TEST_F(HttpClientTest, CutsABodyLongerThanTheBuffer) {
    ScriptedServer server({"HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\n0123456789"});
    ASSERT_NE(connectTo(server.port()), nullptr);
    Outcome outcome;
    outcome.client = client_;
    outcome.bodyCapacity = 4;
    HTTP_CLIENT_Get(client_, "/", nullptr, 0, nullptr, 0, onReply, &outcome);
    EXPECT_EQ(outcome.bodyError, 0);
    EXPECT_EQ(outcome.body, "0123");
}

TEST_F(HttpClientTest, RefusesRequestsItCannotStart) {
    ASSERT_NE(connectTo(unusedLoopbackPort()), nullptr);
    EXPECT_EQ(get("/").error, -100);  // no connection; no reply either

    ScriptedServer server({kOk});
    HTTP_CLIENT_Destroy(client_);
    ASSERT_NE(connectTo(server.port()), nullptr);
    const HTTP_HEADER injected[] = {{"X-A", "1\r\nX-Injected: 1"}};
    const HTTP_HEADER badName[] = {{"X A", "1"}};
    const HTTP_HEADER wrongLength[] = {{"Content-Length", "5"}};
    const HTTP_HEADER nullValue[] = {{"X-A", nullptr}};
    EXPECT_EQ(get("/", injected, 1).error, -100);
    EXPECT_EQ(get("/", badName, 1).error, -100);
    EXPECT_EQ(get("/", wrongLength, 1).error, -100);
    EXPECT_EQ(get("/", nullValue, 1).error, -100);
    EXPECT_EQ(get("/a b").error, -100);
    EXPECT_EQ(get("/a\r\nX: 1").error, -100);
    EXPECT_EQ(get("").error, -100);
    EXPECT_EQ(get(nullptr).error, -100);
    Outcome outcome;
    EXPECT_NE(HTTP_CLIENT_Post(client_, "/", nullptr, 0, nullptr, 5, onReply, &outcome), 0);
    EXPECT_NE(HTTP_CLIENT_Post(client_, "/", nullptr, 0, "x", -1, onReply, &outcome), 0);
    EXPECT_EQ(outcome.replies, 0);
    server.stop();
    EXPECT_TRUE(server.requests().empty());
}

TEST(HttpClientCreate, RefusesBadTargets) {
    const std::string longHost(128, 'h');
    EXPECT_EQ(HTTP_CLIENT_Create(nullptr, "http", "", 80), nullptr);
    EXPECT_EQ(HTTP_CLIENT_Create(nullptr, "http", nullptr, 80), nullptr);
    EXPECT_EQ(HTTP_CLIENT_Create(nullptr, "http", longHost.c_str(), 80), nullptr);
    EXPECT_EQ(HTTP_CLIENT_Create(nullptr, "https", "127.0.0.1", 80), nullptr);
    EXPECT_EQ(HTTP_CLIENT_Create(nullptr, "http", "a\r\nb", 80), nullptr);
    EXPECT_EQ(HTTP_CLIENT_Create(nullptr, "http", "127.0.0.1", 0), nullptr);
    HTTP_CLIENT* client = HTTP_CLIENT_Create(nullptr, "HTTP", longHost.substr(1).c_str(), 80);
    EXPECT_NE(client, nullptr);
    HTTP_CLIENT_Destroy(client);
}

TEST_F(HttpClientTest, MayBeDestroyedFromItsReply) {
    ScriptedServer server({kOk});
    ASSERT_NE(connectTo(server.port()), nullptr);
    Outcome outcome;
    outcome.client = client_;
    outcome.destroyInReply = true;
    EXPECT_EQ(HTTP_CLIENT_Get(client_, "/", nullptr, 0, nullptr, 0, onReply, &outcome), 0);
    client_ = nullptr;  // freed when the request ended
    EXPECT_EQ(outcome.replies, 1);
    EXPECT_EQ(outcome.body, "ok");
}

// Python's http.server, started as a child on a free loopback port.
class ReferenceServer {
public:
    ReferenceServer() {
        int pipe[2];
        if (::pipe2(pipe, O_CLOEXEC) != 0) {
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pipe[1], STDOUT_FILENO);
        const std::string script = KIT_SOURCE_DIR "/tests/sdk/http_reference_server.py";
        char* argv[] = {const_cast<char*>(KIT_PYTHON), const_cast<char*>(script.c_str()), nullptr};
        if (::posix_spawn(&pid_, KIT_PYTHON, &actions, nullptr, argv, environ) != 0) {
            pid_ = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        ::close(pipe[1]);
        port_ = readPort(pipe[0]);
        ::close(pipe[0]);
    }
    ~ReferenceServer() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
        }
    }

    int port() const { return port_; }

private:
    // The server prints its port once it listens; waits for that line, at most 10 s.
    static int readPort(int fd) {
        std::string line;
        char c = 0;
        while (line.find('\n') == std::string::npos) {
            pollfd entry{fd, POLLIN, 0};
            if (::poll(&entry, 1, 10000) != 1 || ::read(fd, &c, 1) != 1) {
                return 0;
            }
            line += c;
        }
        return std::atoi(line.c_str());
    }

    pid_t pid_ = -1;
    int port_ = 0;
};

class AgainstPythonServer : public HttpClientTest {
protected:
    static void SetUpTestSuite() { server_ = new ReferenceServer; }
    static void TearDownTestSuite() {
        delete server_;
        server_ = nullptr;
    }
    void SetUp() override {
        ASSERT_GT(server_->port(), 0) << "python3 http.server did not start";
        ASSERT_NE(connectTo(server_->port()), nullptr);
    }

    static ReferenceServer* server_;
};

ReferenceServer* AgainstPythonServer::server_ = nullptr;

TEST_F(AgainstPythonServer, Answers) {
    struct Case {
        const char* path;
        int status;
        std::string body;
    };
    const Case cases[] = {
        {"/hello", 200, "hello world"}, {"/chunked", 200, "Wikipedia"}, {"/empty", 204, ""},
        {"/close", 200, "to the end"},  {"/missing", 404, ""},
    };
    for (const Case& c : cases) {
        const Outcome outcome = get(c.path);
        EXPECT_EQ(outcome.error, 0) << c.path;
        EXPECT_EQ(outcome.status, c.status) << c.path;
        EXPECT_EQ(outcome.body, c.body) << c.path;
    }
}

TEST_F(AgainstPythonServer, UnderstandsTheRequests) {
    struct Case {
        RequestFunction request;
        const char* method;
        std::string body;
    };
    const Case cases[] = {{HTTP_CLIENT_Get, "GET", ""},
                          {HTTP_CLIENT_Get, "GET", "0123456789abcdef"},
                          {HTTP_CLIENT_Put, "PUT", ""},
                          {HTTP_CLIENT_Put, "PUT", "{\"a\":1}"},
                          {HTTP_CLIENT_Post, "POST", "posted"}};
    const HTTP_HEADER headers[] = {{"Authorization", "Basic YWRtaW46MTIzNDU2"}};
    for (const Case& c : cases) {
        Outcome outcome;
        outcome.client = client_;
        ASSERT_EQ(c.request(client_, "/echo?Cmd=78", headers, 1, c.body.data(),
                            static_cast<int>(c.body.size()), onReply, &outcome),
                  0);
        const std::string expected =
            std::string("method: ") + c.method +
            "\npath: /echo?Cmd=78\nhost: 127.0.0.1:" + std::to_string(server_->port()) +
            "\ncookie: None\nlength: " + std::to_string(c.body.size()) +
            "\nauthorization: Basic YWRtaW46MTIzNDU2\nbody: " + c.body;
        EXPECT_EQ(outcome.status, 200) << c.method;
        EXPECT_EQ(outcome.body, expected);
    }
}

TEST_F(AgainstPythonServer, KeepsItsCookie) {
    EXPECT_EQ(get("/cookie").status, 200);
    const Outcome echoed = get("/echo");
    EXPECT_NE(echoed.body.find("cookie: id=42\n"), std::string::npos) << echoed.body;
}

TEST_F(AgainstPythonServer, DoesNotRepeatARedirectedRequest) {
    const Outcome redirected = get("/redirect");
    EXPECT_EQ(redirected.status, 302);
    const Outcome hits = get("/hits");
    EXPECT_EQ(hits.body, "1");
}

}  // namespace
