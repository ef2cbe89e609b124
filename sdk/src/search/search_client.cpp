#include "search_client.h"

#include <strings.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>

#include "json/ipjson_search.h"
#include "log.h"
#include "platform/client_id.h"
#include "platform/clock.h"
#include "search/search_core.h"
#include "search/search_message.h"

namespace {

// Request types the builder knows.
constexpr int kSearchRequest = 0;
constexpr int kSetNetRequest = 2;
constexpr int kCommandRequest = 6;

constexpr char kLineEnd[] = "\r\n";
constexpr char kEmptyLine[] = "\r\n\r\n";
constexpr int kClientIdSize = 33;
// Room for the head values that answers carry.
constexpr int kShortValueSize = 64;
constexpr int kBodySizeValueSize = 16;
constexpr int kBodyBufferSize = 2048;

enum class AnswerKind { Other, SearchAck, StatusAck };

}  // namespace

struct CLIENT_SEARCH {
    char clientId[kClientIdSize] = {};
    uint32_t sequence = 0;
    CORE_SEARCH* core = nullptr;
    NETSDK_SearchCallBack found = nullptr;
    NETSDK_AckCallBack ack = nullptr;
    void* user = nullptr;
};

namespace {

// The next "Cseq": 1 for the first request; after the largest u32 the count starts at 1.
int32_t _nextSequence(CLIENT_SEARCH* client) {
    if (++client->sequence == 0) {
        client->sequence = 1;
    }
    return static_cast<int32_t>(client->sequence);
}

// A record's text field, which a caller may have filled to the last byte without a NUL.
template <size_t N>
std::string _fieldText(const char (&field)[N]) {
    return std::string(field, strnlen(field, N));
}

// Writes the head of one request, the empty line and (if any) the body with its line end.
void _MultcatSearch_WriteMessage(CLIENT_SEARCH* client, const std::string& objective,
                                 const char* action, const std::string& body, char* buffer,
                                 int capacity) {
    const std::string sequence = std::to_string(_nextSequence(client));
    const std::string bodySize = std::to_string(body.size());
    const struct {
        const char* key;
        const char* value;
    } head[] = {
        {"Objective:", objective.c_str()},
        {"Cseq:", sequence.c_str()},
        {"Action:", action},
        {"DeviceID:", client->clientId},
        {"SDKversion:", "2.0"},
        {"AcceptEncoding:", "None"},
        {"ContxtType:", "JSON"},
        {"BodySize:", bodySize.c_str()},
    };
    for (const auto& line : head) {
        CORE_SEARCH_SetKeyVaule(buffer, capacity, line.key, line.value, kLineEnd);
    }
    CORE_SEARCH_SetKeyVaule(buffer, capacity, nullptr, nullptr, kLineEnd);
    if (!body.empty()) {
        CORE_SEARCH_SetKeyVaule(buffer, capacity, nullptr, body.c_str(), kLineEnd);
    }
}

int _MultcatSearch_MakePackSearchReq(CLIENT_SEARCH* client, char* buffer, int capacity) {
    _MultcatSearch_WriteMessage(client, "IPC", "SEARCH", "", buffer, capacity);
    return 0;
}

int _MultcatSearch_MakePackModifyipReq(CLIENT_SEARCH* client,
                                       const NETSDK_SEARCH_DEVICE_INFO* device, char* buffer,
                                       int capacity) {
    const std::string body = IPJSON_MakeJsonModifyIp(device->nic[0]);
    if (body.empty()) {
        SDK_LOG_TEXT("Out of memory");
        return -1;
    }
    _MultcatSearch_WriteMessage(client, _fieldText(device->deviceId), "SETNET", body, buffer,
                                capacity);
    return 0;
}

int _MultcatSearch_MakePackProductCmdReq(CLIENT_SEARCH* client,
                                         const NETSDK_SEARCH_DEVICE_INFO* device, char* buffer,
                                         int capacity) {
    const std::string body = IPJSON_MakeJsonProductCmd(device->command);
    if (body.empty()) {
        SDK_LOG_TEXT("Out of memory");
        return -1;
    }
    _MultcatSearch_WriteMessage(client, _fieldText(device->deviceId), "COMMAND", body, buffer,
                                capacity);
    return 0;
}

int _MultcatSearch_MakeMulDataPack(int type, const void* record, void* owner, char* buffer,
                                   int capacity) {
    auto* client = static_cast<CLIENT_SEARCH*>(owner);
    const auto* device = static_cast<const NETSDK_SEARCH_DEVICE_INFO*>(record);
    if (type == kSearchRequest) {
        return _MultcatSearch_MakePackSearchReq(client, buffer, capacity);
    }
    if (device == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    if (type == kSetNetRequest) {
        return _MultcatSearch_MakePackModifyipReq(client, device, buffer, capacity);
    }
    if (type == kCommandRequest) {
        return _MultcatSearch_MakePackProductCmdReq(client, device, buffer, capacity);
    }
    SDK_LOG_RESULT(type);
    return -1;
}

// Answers meant for this client name its ID (in any letter case) as Objective; everything
// else on the group (other clients' requests and answers) is "other".
AnswerKind _MultcastSearch_PasePackAckType(const CLIENT_SEARCH* client, const char* text) {
    char objective[kShortValueSize];
    char action[kShortValueSize];
    if (CORE_SEARCH_GetKeyVaule(text, "Objective:", kLineEnd, objective, sizeof objective) != 0 ||
        strcasecmp(objective, client->clientId) != 0 ||
        CORE_SEARCH_GetKeyVaule(text, "Action:", kLineEnd, action, sizeof action) != 0) {
        return AnswerKind::Other;
    }
    if (strcasecmp(action, "SEARCH_ACK") == 0) {
        return AnswerKind::SearchAck;
    }
    if (strcasecmp(action, "SETNET_ACK") == 0 || strcasecmp(action, "COMMAND_ACK") == 0) {
        return AnswerKind::StatusAck;
    }
    return AnswerKind::Other;
}

// Reads the answering device's ID and the body of an answer. 0, or -1 (logged) when a key
// is missing, BodySize is not a decimal count, or fewer bytes arrived than it announces.
int _MultcastSearch_ReadAnswer(const char* text, char (&deviceId)[kShortValueSize],
                               char (&body)[kBodyBufferSize], int* bodyLength) {
    char bodySizeText[kBodySizeValueSize];
    if (CORE_SEARCH_GetKeyVaule(text, "DeviceID:", kLineEnd, deviceId, sizeof deviceId) != 0 ||
        CORE_SEARCH_GetKeyVaule(text, "BodySize:", kLineEnd, bodySizeText, sizeof bodySizeText) !=
            0) {
        SDK_LOG_RESULT(-1);
        return -1;
    }
    const int bodySize = CORE_SEARCH_ParseBodySize(bodySizeText);
    *bodyLength = kBodyBufferSize;
    const int taken = CORE_SEARCH_GetBoyVaule(text, kEmptyLine, bodySize, body, bodyLength);
    if (bodySize < 0 || taken != 0) {
        SDK_LOG_RESULT(-1);
        return -1;
    }
    return 0;
}

int _MultcastSearch_PaseRecvSearchData(CLIENT_SEARCH* client, const char* text) {
    NETSDK_SEARCH_DEVICE_INFO device{};
    device.httpPort = 80;
    device.streamPort = 1680;
    std::strcpy(device.user, "admin");
    char body[kBodyBufferSize];
    int bodyLength = 0;
    if (_MultcastSearch_ReadAnswer(text, device.deviceId, body, &bodyLength) != 0) {
        return 0;  // A malformed answer is skipped; the others still count.
    }
    const int parsed = IPJSON_ParseJsonSearchDevice(body, bodyLength, &device);
    if (parsed != 0) {
        SDK_LOG_RESULT(parsed);
        return 0;
    }
    return client->found != nullptr ? client->found(1, &device, client->user) : 0;
}

int _MultcastSearch_ParseRecvStatus(CLIENT_SEARCH* client, const char* text) {
    char deviceId[kShortValueSize];
    char body[kBodyBufferSize];
    int bodyLength = 0;
    if (_MultcastSearch_ReadAnswer(text, deviceId, body, &bodyLength) != 0) {
        return 0;
    }
    int status = 0;
    char context[kShortValueSize];
    const int parsed =
        IPJSON_ParseJsonSearchStatus(body, bodyLength, &status, context, sizeof context);
    if (parsed != 0) {
        SDK_LOG_RESULT(parsed);
        return 0;
    }
    if (client->ack != nullptr) {
        client->ack(status, deviceId, client->user);
    }
    return 0;  // Acknowledgements never end the collection early.
}

int _MultcatSearch_RecvSearchData(void* owner, const char* text) {
    auto* client = static_cast<CLIENT_SEARCH*>(owner);
    switch (_MultcastSearch_PasePackAckType(client, text)) {
        case AnswerKind::SearchAck:
            return _MultcastSearch_PaseRecvSearchData(client, text);
        case AnswerKind::StatusAck:
            return _MultcastSearch_ParseRecvStatus(client, text);
        case AnswerKind::Other:
            break;
    }
    return 0;  // Not for us: other clients share the group.
}

}  // namespace

CLIENT_SEARCH* CLIENT_SEARCH_Init(const char* group, int port, unsigned bindAddress) {
    auto* client = new (std::nothrow) CLIENT_SEARCH;
    if (client == nullptr) {
        SDK_LOG_TEXT("Out of memory");
        return nullptr;
    }
    const std::string id = netsdk::platform::makeClientId(
        static_cast<uint32_t>(netsdk::platform::monotonicMilliseconds()));
    std::snprintf(client->clientId, sizeof client->clientId, "%s", id.c_str());
    client->core = CORE_SEARCH_Init(group, port, bindAddress);
    if (client->core == nullptr) {
        SDK_LOG_TEXT("Core search init failed, now free client object.");
        delete client;
        return nullptr;
    }
    return client;
}

int CLIENT_SEARCH_SetCallback(CLIENT_SEARCH* client, NETSDK_SearchCallBack found,
                              NETSDK_AckCallBack ack, void* user) {
    if (client == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    client->found = found;
    client->ack = ack;
    client->user = user;
    return CORE_SEARCH_SetCallback(client->core, _MultcatSearch_MakeMulDataPack,
                                   _MultcatSearch_RecvSearchData, client);
}

int CLIENT_SEARCH_Start(CLIENT_SEARCH* client, int timeoutSeconds) {
    if (client == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    const int started = CORE_SEARCH_Start(client->core, timeoutSeconds);
    if (started != 0) {
        SDK_LOG_RESULT(started);
        return -1;
    }
    return 0;
}

int CLIENT_SEARCH_SetLanConfig(CLIENT_SEARCH* client, const NETSDK_SEARCH_DEVICE_INFO* devices,
                               int count, int timeoutSeconds) {
    if (client == nullptr || devices == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    for (int i = 0; i < count; ++i) {
        const int sent = CORE_SEARCH_SendDataPack(client->core, kSetNetRequest, &devices[i]);
        if (sent != 0) {
            SDK_LOG_RESULT(sent);
            return -1;
        }
    }
    return CORE_SEARCH_RecvDataPack(client->core, timeoutSeconds);
}

int CLIENT_SEARCH_ProductCommand(CLIENT_SEARCH* client, const NETSDK_PRODUCT_COMMAND* commands,
                                 int count, int timeoutSeconds) {
    if (client == nullptr || commands == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    for (int i = 0; i < count; ++i) {
        NETSDK_SEARCH_DEVICE_INFO device{};
        std::memcpy(device.deviceId, commands[i].deviceId, sizeof device.deviceId);
        device.command = commands[i].command;
        const int sent = CORE_SEARCH_SendDataPack(client->core, kCommandRequest, &device);
        if (sent != 0) {
            SDK_LOG_RESULT(sent);
            return -1;
        }
    }
    return CORE_SEARCH_RecvDataPack(client->core, timeoutSeconds);
}

int CLIENT_SEARCH_Exit(CLIENT_SEARCH* client) {
    if (client == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    const int closed = CORE_SEARCH_Exit(client->core);
    delete client;
    return closed;
}
