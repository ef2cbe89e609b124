#include "multicast_socket.h"

#include <arpa/inet.h>
#include <errno.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>

namespace netsdk::platform {

namespace {

// A burst of a thousand answers of up to 2 KiB each must wait in the socket while the
// caller works through them; the kernel's usual default holds a few hundred.
constexpr int kReceiveBufferBytes = 4 * 1024 * 1024;

// Interface index of the interface that carries address (network byte order), 0 if none.
unsigned interfaceIndexOf(in_addr_t address) {
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) {
        return 0;
    }
    unsigned index = 0;
    for (const ifaddrs* entry = list; entry != nullptr && index == 0; entry = entry->ifa_next) {
        if (entry->ifa_addr != nullptr && entry->ifa_addr->sa_family == AF_INET &&
            reinterpret_cast<const sockaddr_in*>(entry->ifa_addr)->sin_addr.s_addr == address) {
            index = if_nametoindex(entry->ifa_name);
        }
    }
    freeifaddrs(list);
    return index;
}

bool setInt(int descriptor, int level, int option, int value) {
    return setsockopt(descriptor, level, option, &value, sizeof value) == 0;
}

void enlargeReceiveBuffer(int descriptor) {
    // The forced variant passes the system's cap when the process may; otherwise the capped
    // size is still the best on offer.
    if (!setInt(descriptor, SOL_SOCKET, SO_RCVBUFFORCE, kReceiveBufferBytes)) {
        setInt(descriptor, SOL_SOCKET, SO_RCVBUF, kReceiveBufferBytes);
    }
}

bool bindToPortOnAnyAddress(int descriptor, uint16_t port) {
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = htons(port);
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    return bind(descriptor, reinterpret_cast<const sockaddr*>(&local), sizeof local) == 0;
}

bool joinAndSendThrough(int descriptor, const ip_mreqn& membership) {
    return setsockopt(descriptor, IPPROTO_IP, IP_ADD_MEMBERSHIP, &membership, sizeof membership) ==
               0 &&
           setsockopt(descriptor, IPPROTO_IP, IP_MULTICAST_IF, &membership, sizeof membership) ==
               0 &&
           setInt(descriptor, IPPROTO_IP, IP_MULTICAST_TTL, 1) &&
           setInt(descriptor, IPPROTO_IP, IP_MULTICAST_LOOP, 0) &&
           setInt(descriptor, IPPROTO_IP, IP_MULTICAST_ALL, 0);
}

}  // namespace

std::unique_ptr<MulticastSocket> MulticastSocket::open(uint32_t localAddress, const char* group,
                                                       uint16_t port) {
    ip_mreqn membership{};
    membership.imr_address.s_addr = htonl(localAddress);
    membership.imr_ifindex = static_cast<int>(interfaceIndexOf(membership.imr_address.s_addr));
    if (group == nullptr || inet_pton(AF_INET, group, &membership.imr_multiaddr) != 1 ||
        membership.imr_ifindex == 0) {
        return nullptr;
    }
    const int descriptor = socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (descriptor < 0) {
        return nullptr;
    }
    enlargeReceiveBuffer(descriptor);
    if (!setInt(descriptor, SOL_SOCKET, SO_REUSEADDR, 1) ||
        !setInt(descriptor, IPPROTO_IP, IP_PKTINFO, 1) ||
        !bindToPortOnAnyAddress(descriptor, port) || !joinAndSendThrough(descriptor, membership)) {
        close(descriptor);
        return nullptr;
    }
    return std::unique_ptr<MulticastSocket>(new MulticastSocket(descriptor, membership, port));
}

MulticastSocket::MulticastSocket(int descriptor, const ip_mreqn& membership, uint16_t port)
    : descriptor_(descriptor), membership_(membership), port_(port) {}

MulticastSocket::~MulticastSocket() {
    setsockopt(descriptor_, IPPROTO_IP, IP_DROP_MEMBERSHIP, &membership_, sizeof membership_);
    close(descriptor_);
}

int MulticastSocket::sendToGroup(const char* data, size_t length, int writableTimeoutMs) {
    pollfd waiting{descriptor_, POLLOUT, 0};
    int ready;
    do {
        ready = poll(&waiting, 1, writableTimeoutMs);
    } while (ready < 0 && errno == EINTR);
    if (ready != 1 || (waiting.revents & POLLOUT) == 0) {
        return -1;
    }
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_addr = membership_.imr_multiaddr;
    target.sin_port = htons(port_);
    const ssize_t sent = sendto(descriptor_, data, length, MSG_NOSIGNAL,
                                reinterpret_cast<const sockaddr*>(&target), sizeof target);
    return sent == static_cast<ssize_t>(length) ? 0 : -1;
}

int MulticastSocket::receive(char* buffer, size_t capacity, int timeoutMs, sockaddr_in* source) {
    pollfd waiting{descriptor_, POLLIN, 0};
    const int ready = poll(&waiting, 1, timeoutMs);
    if (ready < 0) {
        return errno == EINTR ? 0 : -1;
    }
    if (ready == 0) {
        return 0;
    }
    iovec data{buffer, capacity};
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(in_pktinfo))];
    msghdr message{};
    message.msg_name = source;
    message.msg_namelen = sizeof *source;
    message.msg_iov = &data;
    message.msg_iovlen = 1;
    message.msg_control = control;
    message.msg_controllen = sizeof control;
    const ssize_t received = recvmsg(descriptor_, &message, MSG_DONTWAIT);
    if (received < 0) {
        return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR ? 0 : -1;
    }
    return arrivedOnOurInterface(message) ? static_cast<int>(received) : 0;
}

bool MulticastSocket::arrivedOnOurInterface(msghdr& message) const {
    for (cmsghdr* header = CMSG_FIRSTHDR(&message); header != nullptr;
         header = CMSG_NXTHDR(&message, header)) {
        if (header->cmsg_level == IPPROTO_IP && header->cmsg_type == IP_PKTINFO) {
            in_pktinfo info;
            std::memcpy(&info, CMSG_DATA(header), sizeof info);
            return info.ipi_ifindex == membership_.imr_ifindex;
        }
    }
    return false;
}

}  // namespace netsdk::platform
