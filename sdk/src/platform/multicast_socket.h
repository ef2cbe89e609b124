// A UDP socket that talks with one multicast group on the network of one local IPv4
// address, and hears nothing from the host's other networks.
//
// Linux delivers a group datagram only to sockets bound to the wildcard address (a socket
// bound to a unicast address receives nothing sent to the group), and by default delivers
// it to every such socket on the port, whichever interface it came in on. So the socket is
// bound to the port on any address, joins the group on the interface of the local address
// only, and drops datagrams that came in on another interface.
#pragma once

#include <netinet/in.h>
#include <sys/socket.h>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace netsdk::platform {

class MulticastSocket {
public:
    // Opens the socket on port, joined to group (dotted text) on the interface that carries
    // localAddress (host byte order); requests leave from localAddress with TTL 1 and are
    // not looped back. Returns null when any step fails (for instance when localAddress is
    // not an address of this host).
    static std::unique_ptr<MulticastSocket> open(uint32_t localAddress, const char* group,
                                                 uint16_t port);
    ~MulticastSocket();
    MulticastSocket(const MulticastSocket&) = delete;
    MulticastSocket& operator=(const MulticastSocket&) = delete;

    // Sends length bytes to the group once the socket is writable within writableTimeoutMs.
    // Returns 0, or -1 when it did not become writable or the send failed.
    int sendToGroup(const char* data, size_t length, int writableTimeoutMs);

    // Waits at most timeoutMs for one datagram that came in on the local address's interface
    // and copies at most capacity bytes of it into buffer. Returns the bytes copied, 0 when
    // nothing (or only traffic of other interfaces) arrived in time, -1 on a socket error.
    int receive(char* buffer, size_t capacity, int timeoutMs, sockaddr_in* source);

private:
    MulticastSocket(int descriptor, const ip_mreqn& membership, uint16_t port);
    bool arrivedOnOurInterface(msghdr& message) const;

    int descriptor_;
    // Group and interface this socket joined; left again when it closes.
    ip_mreqn membership_;
    uint16_t port_;
};

}  // namespace netsdk::platform
