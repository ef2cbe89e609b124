// A datagram on the search group as the SDK's search client receives it: a search runs on the
// loopback interface, its request goes nowhere (this program replaces the C library's sendto,
// as the only caller of sendto here is the search core), and the input arrives on the
// client's socket as the one answer, with every "@ID" in it replaced by the client's ID, so
// that an answer can name this client or another. The client's receive loop hands it to the
// dispatcher, which reads the head and passes device and status answers on to the callbacks.
// The body parsers also read the whole input on their own, beyond a datagram's size.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "json/ipjson_search.h"
#include "netsdk.h"
#include "search/search_client.h"
#include "search/search_message.h"

namespace {

constexpr char kGroup[] = "239.255.255.250";
constexpr unsigned kLoopback = INADDR_LOOPBACK;
constexpr char kClientIdMark[] = "@ID";
// The largest payload of one UDP datagram over IPv4.
constexpr size_t kMaxDatagram = 65507;
// ctest's code for a test that could not run its subject.
constexpr int kSkipped = 77;

// The input of the run under way, which the replaced sendto sends as the answer.
const std::string* answerTemplate = nullptr;
// A UDP socket connected to the client's port, which sends the answers.
int camera = -1;
int clientPort = 0;

// A port that no socket holds now, so that parallel fuzzer processes do not share one.
int freePort() {
    const int probe = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(kLoopback);
    socklen_t length = sizeof address;
    if (probe < 0 || bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        std::abort();
    }
    close(probe);
    return ntohs(address.sin_port);
}

int connectedCamera(int port) {
    const int descriptor = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_in client{};
    client.sin_family = AF_INET;
    client.sin_addr.s_addr = htonl(kLoopback);
    client.sin_port = htons(static_cast<uint16_t>(port));
    if (descriptor < 0 ||
        connect(descriptor, reinterpret_cast<sockaddr*>(&client), sizeof client) != 0) {
        std::abort();
    }
    return descriptor;
}

std::string withClientId(std::string text, const std::string& id) {
    for (size_t at = text.find(kClientIdMark); at != std::string::npos;
         at = text.find(kClientIdMark, at + id.size())) {
        text.replace(at, sizeof kClientIdMark - 1, id);
    }
    return text;
}

// Text fields of a found device end inside their arrays.
void checkTerminated(const NETSDK_SEARCH_DEVICE_INFO& device) {
    const struct {
        const char* text;
        size_t size;
    } fields[] = {
        {device.deviceId, sizeof device.deviceId},
        {device.deviceName, sizeof device.deviceName},
        {device.hardwareVersion, sizeof device.hardwareVersion},
        {device.firmwareVersion, sizeof device.firmwareVersion},
        {device.uid, sizeof device.uid},
        {device.uuid, sizeof device.uuid},
        {device.dns1, sizeof device.dns1},
        {device.dns2, sizeof device.dns2},
        {device.user, sizeof device.user},
        {device.password, sizeof device.password},
    };
    for (const auto& field : fields) {
        if (std::memchr(field.text, '\0', field.size) == nullptr) {
            std::abort();
        }
    }
    for (const NETSDK_NIC_INFO& nic : device.nic) {
        for (const char* text : {nic.name, nic.ip, nic.mask, nic.gateway}) {
            if (std::memchr(text, '\0', 16) == nullptr) {
                std::abort();
            }
        }
        if (std::memchr(nic.mac, '\0', sizeof nic.mac) == nullptr) {
            std::abort();
        }
    }
}

int onDevice(int, NETSDK_SEARCH_DEVICE_INFO* device, void*) {
    checkTerminated(*device);
    return 0;
}

int onAck(int, const char* deviceId, void*) {
    volatile size_t length = std::strlen(deviceId);
    (void)length;
    return 0;
}

// The body parsers over the whole input, as a body of any length.
void readBody(const std::string& text) {
    const int length = static_cast<int>(text.size());
    NETSDK_SEARCH_DEVICE_INFO device{};
    IPJSON_ParseJsonSearchDevice(text.data(), length, &device);
    int status = 0;
    char context[64];
    IPJSON_ParseJsonSearchStatus(text.data(), length, &status, context, sizeof context);
}

}  // namespace

// The search request on its way to the group: answered at once with the input.
extern "C" ssize_t sendto(int, const void* data, size_t length, int, const sockaddr*, socklen_t) {
    const std::string request(static_cast<const char*>(data), length);
    char clientId[64] = {};
    if (answerTemplate == nullptr || CORE_SEARCH_GetKeyVaule(request.c_str(), "DeviceID:", "\r\n",
                                                             clientId, sizeof clientId) != 0) {
        std::abort();
    }
    const std::string answer = withClientId(*answerTemplate, clientId);
    send(camera, answer.data(), answer.size() < kMaxDatagram ? answer.size() : kMaxDatagram, 0);
    return static_cast<ssize_t>(length);
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    clientPort = freePort();
    CLIENT_SEARCH* probe = CLIENT_SEARCH_Init(kGroup, clientPort, kLoopback);
    if (probe == nullptr) {
        std::fprintf(stderr, "no search client on the loopback interface: skipped\n");
        std::exit(kSkipped);
    }
    CLIENT_SEARCH_Exit(probe);
    camera = connectedCamera(clientPort);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    CLIENT_SEARCH* client = CLIENT_SEARCH_Init(kGroup, clientPort, kLoopback);
    if (client == nullptr) {
        std::abort();
    }
    CLIENT_SEARCH_SetCallback(client, onDevice, onAck, nullptr);
    answerTemplate = &text;
    // No time-out: the loop reads what arrived and ends within a millisecond.
    CLIENT_SEARCH_Start(client, 0);
    answerTemplate = nullptr;
    CLIENT_SEARCH_Exit(client);
    readBody(text);
    return 0;
}
