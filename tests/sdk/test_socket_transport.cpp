#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netdb.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/resource.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "loopback_listener.h"
#include "slow_reader.h"
#include "transport/socket_transport.h"

namespace {

using Clock = std::chrono::steady_clock;

long long millisecondsSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

// Waits (bounded) until the socket's receive queue is empty, so that the next piece a
// peer sends arrives as a separate read.
void waitUntilDrained(int socket) {
    const auto end = Clock::now() + std::chrono::seconds(5);
    int queued = 1;
    while (Clock::now() < end && ::ioctl(socket, FIONREAD, &queued) == 0 && queued > 0) {
        std::this_thread::yield();
    }
}

// Reads exactly n bytes on the test's side of a connection.
std::string readExactly(int socket, size_t n) {
    std::string data(n, '\0');
    size_t done = 0;
    while (done < n) {
        const ssize_t got = ::recv(socket, &data[done], n - done, 0);
        if (got <= 0) {
            break;
        }
        done += static_cast<size_t>(got);
    }
    data.resize(done);
    return data;
}

TEST(SocketConnect, NoListenerFailsAtOnce) {
    const auto start = Clock::now();
    EXPECT_EQ(SOCKET_ConnectTimeout("127.0.0.1", unusedLoopbackPort(), 10000), -1);
    EXPECT_LT(millisecondsSince(start), 5000);
}

TEST(SocketConnect, ListenerThatNeverAcceptsTimesOut) {
    // With a backlog of 0 and its queue filled, further handshakes are never completed.
    LoopbackListener listener(0);
    listener.fillQueue();
    const auto start = Clock::now();
    EXPECT_EQ(SOCKET_ConnectTimeout("127.0.0.1", listener.port(), 300), -1);
    EXPECT_GE(millisecondsSince(start), 290);
}

TEST(SocketConnect, RefusedAddressIsFollowedByTheNextOne) {
    // A name that resolves to ::1 first and 127.0.0.1 second, with a listener only on the
    // IPv4 address: the refused ::1 must not end the attempt.
    LoopbackListener listener;
    sockaddr_in6 first{};
    first.sin6_family = AF_INET6;
    first.sin6_port = htons(static_cast<uint16_t>(listener.port()));
    first.sin6_addr = in6addr_loopback;
    sockaddr_in second{};
    second.sin_family = AF_INET;
    second.sin_port = htons(static_cast<uint16_t>(listener.port()));
    second.sin_addr.s_addr = htonl(INADDR_LOOPBACK);

    addrinfo secondEntry{};
    secondEntry.ai_family = AF_INET;
    secondEntry.ai_socktype = SOCK_STREAM;
    secondEntry.ai_addr = reinterpret_cast<sockaddr*>(&second);
    secondEntry.ai_addrlen = sizeof second;
    addrinfo firstEntry = secondEntry;
    firstEntry.ai_family = AF_INET6;
    firstEntry.ai_addr = reinterpret_cast<sockaddr*>(&first);
    firstEntry.ai_addrlen = sizeof first;
    firstEntry.ai_next = &secondEntry;

    OwnedSocket client(SOCKET_ConnectAddresses(&firstEntry, 2000));
    ASSERT_GE(client.get(), 0);
    EXPECT_GE(listener.accept().get(), 0);
}

TEST(SocketConnect, ResolvesAHostName) {
    LoopbackListener listener;
    OwnedSocket client(SOCKET_ConnectTimeout("localhost", listener.port(), 2000));
    EXPECT_GE(client.get(), 0);
}

TEST(SocketConnect, RefusesBadArguments) {
    EXPECT_EQ(SOCKET_ConnectTimeout(nullptr, 80, 100), -1);
    EXPECT_EQ(SOCKET_ConnectTimeout("", 80, 100), -1);
    EXPECT_EQ(SOCKET_ConnectTimeout("127.0.0.1", 0, 100), -1);
    EXPECT_EQ(SOCKET_ConnectTimeout("127.0.0.1", 65536, 100), -1);
    EXPECT_EQ(SOCKET_ConnectTimeout("no such host.invalid", 80, 100), -1);
}

// A connected pair: the SDK's side (client) and the test's side (peer). With highNumber
// the SDK's socket is moved above 1024, past what select could wait on.
struct ConnectedPair {
    explicit ConnectedPair(bool highNumber) {
        client.reset(SOCKET_ConnectTimeout("127.0.0.1", listener.port(), 2000));
        peer = listener.accept();
        if (highNumber) {
            rlimit limit{};
            ::getrlimit(RLIMIT_NOFILE, &limit);
            const int target = 1500;
            if (limit.rlim_cur <= static_cast<rlim_t>(target) && limit.rlim_max > target) {
                limit.rlim_cur = target + 1;
                ::setrlimit(RLIMIT_NOFILE, &limit);
            }
            if (::dup2(client.get(), target) == target) {
                client.reset(target);
            }
        }
    }

    LoopbackListener listener;
    OwnedSocket client;
    OwnedSocket peer;
};

class ExactTransfer : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        ASSERT_GE(pair.client.get(), 0);
        ASSERT_GE(pair.peer.get(), 0);
        if (GetParam()) {
            ASSERT_GT(pair.client.get(), 1024);
        }
    }

    ConnectedPair pair{GetParam()};
};

TEST_P(ExactTransfer, ReceivesExactlyAcrossFragments) {
    const std::string message = "fragmented message";
    std::thread sender([&] {
        for (size_t at = 0; at < message.size(); at += 5) {
            const std::string piece = message.substr(at, 5);
            ::send(pair.peer.get(), piece.data(), piece.size(), 0);
            waitUntilDrained(pair.client.get());
        }
    });
    std::string received(message.size(), '\0');
    EXPECT_EQ(SOCKET_RecvTimeout(pair.client.get(), &received[0], static_cast<int>(received.size()),
                                 0, 2000),
              static_cast<int>(message.size()));
    sender.join();
    EXPECT_EQ(received, message);
}

TEST_P(ExactTransfer, ReceiveTimesOutWhenNothingComes) {
    char byte = 0;
    EXPECT_EQ(SOCKET_RecvTimeout(pair.client.get(), &byte, 1, 0, 100), SOCKET_TIMED_OUT);
    // A partial arrival still ends in a time-out when the rest never comes.
    ::send(pair.peer.get(), "ab", 2, 0);
    char three[3];
    EXPECT_EQ(SOCKET_RecvTimeout(pair.client.get(), three, 3, 0, 100), SOCKET_TIMED_OUT);
}

TEST_P(ExactTransfer, ReceiveReportsPeerClose) {
    char byte = 0;
    EXPECT_EQ(SOCKET_RecvTimeout(pair.client.get(), &byte, 0, 0, 100), 0);
    pair.peer.reset();
    EXPECT_EQ(SOCKET_RecvTimeout(pair.client.get(), &byte, 1, 0, 1000), 0);
}

TEST_P(ExactTransfer, SendsEverything) {
    const std::string message(1 << 20, 'x');
    std::string received;
    std::thread reader([&] { received = readExactly(pair.peer.get(), message.size()); });
    EXPECT_EQ(SOCKET_SendTimeout(pair.client.get(), message.data(),
                                 static_cast<int>(message.size()), 0, 2000),
              static_cast<int>(message.size()));
    reader.join();
    EXPECT_EQ(received, message);
}

TEST_P(ExactTransfer, SendTimesOutWhenThePeerNeverReads) {
    const std::string block(1 << 16, 'x');
    int result = 0;
    // Fills both socket buffers; bounded in case a kernel buffers without limit.
    for (int round = 0; round < 4096; ++round) {
        result = SOCKET_SendTimeout(pair.client.get(), block.data(), static_cast<int>(block.size()),
                                    0, 100);
        if (result != static_cast<int>(block.size())) {
            break;
        }
    }
    EXPECT_EQ(result, SOCKET_TIMED_OUT);
}

TEST_P(ExactTransfer, SendToAResetPeerFailsAndTheProcessLives) {
    ::signal(SIGPIPE, SIG_DFL);
    linger abortive{1, 0};
    ::setsockopt(pair.peer.get(), SOL_SOCKET, SO_LINGER, &abortive, sizeof abortive);
    pair.peer.reset();
    int result = 1;
    for (int round = 0; round < 100 && result > 0; ++round) {
        result = SOCKET_SendTimeout(pair.client.get(), "ping", 4, 0, 1000);
    }
    EXPECT_LT(result, 0);
}

INSTANTIATE_TEST_SUITE_P(LowAndHighDescriptors, ExactTransfer, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "AboveSelectLimit" : "Ordinary";
                         });

// Collects what the select transport reports to its callbacks.
struct Reports {
    int sendError = 1;
    int receiveError = 1;
    int receiveCount = 0;
    std::string received;
};

void onSent(void* user, int error) {
    static_cast<Reports*>(user)->sendError = error;
}

void onReceived(void* user, int error, const char* buffer, int count) {
    auto* reports = static_cast<Reports*>(user);
    reports->receiveError = error;
    reports->receiveCount = count;
    if (count > 0) {
        reports->received.assign(buffer, static_cast<size_t>(count));
    }
}

class SelectTransport : public ::testing::Test {
protected:
    void SetUp() override {
        connection = transport->create(transport, nullptr, "127.0.0.1", listener.port());
        ASSERT_NE(connection, nullptr);
        peer = listener.accept();
        ASSERT_GE(peer.get(), 0);
        transport->setTimeouts(connection, 1000, 100, 1000);
    }
    void TearDown() override { transport->close(connection); }

    const SOCKET_TRANSPORT* transport = SOCKET_GetTransport();
    LoopbackListener listener;
    SOCKET_CONNECTION* connection = nullptr;
    OwnedSocket peer;
    Reports reports;
};

TEST(SelectTransportTable, HasTheDefaults) {
    const SOCKET_TRANSPORT* transport = SOCKET_GetTransport();
    ASSERT_NE(transport, nullptr);
    EXPECT_EQ(transport, SOCKET_GetTransport());
    EXPECT_EQ(transport->kind, 0);
    EXPECT_EQ(transport->connectTimeoutMs, 5000);
    EXPECT_EQ(transport->bufferSize, 32768);
    EXPECT_EQ(transport->create(transport, nullptr, "127.0.0.1", unusedLoopbackPort()), nullptr);
}

TEST_F(SelectTransport, SendsHeadAndBodyWhole) {
    struct Case {
        std::string head;
        std::string body;
    };
    // The large body cannot go out in one write, so the gathered send must continue.
    const Case cases[] = {
        {"0123456789", ""}, {"0123456789", "abcde"}, {"head", std::string(4 << 20, 'b')}};
    for (const Case& c : cases) {
        std::string received;
        std::thread reader(
            [&] { received = readExactly(peer.get(), c.head.size() + c.body.size()); });
        reports.sendError = 1;
        transport->send(connection, c.head.data(), static_cast<int>(c.head.size()), c.body.data(),
                        static_cast<int>(c.body.size()), onSent, &reports);
        reader.join();
        EXPECT_EQ(reports.sendError, 0) << c.body.size();
        EXPECT_EQ(received, c.head + c.body) << c.body.size();
    }
}

TEST_F(SelectTransport, ReceiveReportsDataTimeOutAndClose) {
    transport->receive(connection, onReceived, &reports);
    EXPECT_EQ(reports.receiveError, SOCKET_TIMED_OUT);
    EXPECT_EQ(reports.receiveCount, SOCKET_TIMED_OUT);

    ::send(peer.get(), "answer", 6, 0);
    transport->receive(connection, onReceived, &reports);
    EXPECT_EQ(reports.receiveError, 0);
    EXPECT_EQ(reports.received, "answer");

    peer.reset();
    transport->receive(connection, onReceived, &reports);
    EXPECT_EQ(reports.receiveError, 0);
    EXPECT_EQ(reports.receiveCount, 0);
}

// A peer that takes a few bytes at a time, often enough that no single wait for room runs
// out: the send time-out still ends the whole send, on both ways of sending.
TEST(SlowPeer, SendEndsWithinItsTimeOut) {
    constexpr int kSendTimeoutMs = 300;
    const std::string upload(1 << 20, 'u');
    struct Case {
        const char* name;
        std::function<int(int port)> send;  // the send's result
    };
    const Case cases[] = {
        {"exact send",
         [&](int port) {
             OwnedSocket socket(SOCKET_ConnectTimeout("127.0.0.1", port, 2000));
             return SOCKET_SendTimeout(socket.get(), upload.data(), static_cast<int>(upload.size()),
                                       0, kSendTimeoutMs);
         }},
        {"transport send",
         [&](int port) {
             const SOCKET_TRANSPORT* transport = SOCKET_GetTransport();
             SOCKET_CONNECTION* connection =
                 transport->create(transport, nullptr, "127.0.0.1", port);
             Reports reports;
             transport->setTimeouts(connection, 1000, 1000, kSendTimeoutMs);
             transport->send(connection, "head", 4, upload.data(), static_cast<int>(upload.size()),
                             onSent, &reports);
             transport->close(connection);
             return reports.sendError;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SlowReader peer(4096, 10);
        const auto start = Clock::now();
        EXPECT_EQ(c.send(peer.port()), SOCKET_TIMED_OUT);
        EXPECT_LT(millisecondsSince(start), kSendTimeoutMs + 250)
            << "the peer took " << peer.received() << " of " << upload.size() << " bytes";
    }
}

}  // namespace
