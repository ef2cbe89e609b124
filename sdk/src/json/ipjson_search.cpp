#include "ipjson_search.h"

#include <cjson/cJSON.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <memory>

#include "base64.h"

namespace {

using JsonPointer = std::unique_ptr<cJSON, decltype(&cJSON_Delete)>;

// The commands that a camera knows lie below this number.
constexpr uint32_t kCommandLimit = 2050;
// User name and password texts longer than this are cut before decoding.
constexpr size_t kMaxCredentialText = 63;

JsonPointer _parseObject(const char* body, int length) {
    if (body == nullptr || length < 0) {
        return JsonPointer(nullptr, cJSON_Delete);
    }
    const char* end = nullptr;
    JsonPointer root(cJSON_ParseWithLengthOpts(body, static_cast<size_t>(length), &end, false),
                     cJSON_Delete);
    // Whatever follows the object must be white space: a body is one JSON value.
    const char* const limit = body + length;
    while (end != nullptr && end < limit && std::isspace(static_cast<unsigned char>(*end))) {
        ++end;
    }
    if (!cJSON_IsObject(root.get()) || end != limit) {
        root.reset();
    }
    return root;
}

std::string _printed(const cJSON* root) {
    std::unique_ptr<char, decltype(&cJSON_free)> text(cJSON_Print(root), cJSON_free);
    return text ? std::string(text.get()) : std::string();
}

// A record's text field, which a caller may have filled to the last byte without a NUL.
template <size_t N>
std::string _fieldText(const char (&field)[N]) {
    return std::string(field, strnlen(field, N));
}

template <size_t N>
void _copyString(const cJSON* object, const char* key, char (&field)[N]) {
    const cJSON* item = cJSON_GetObjectItemCaseSensitive(object, key);
    if (cJSON_IsString(item)) {
        std::snprintf(field, N, "%s", item->valuestring);
    }
}

void _copyInt(const cJSON* object, const char* key, int32_t* field) {
    const cJSON* item = cJSON_GetObjectItemCaseSensitive(object, key);
    if (cJSON_IsNumber(item)) {
        *field = item->valueint;  // cJSON saturates values beyond the int range.
    }
}

void _copyAllNetConnect(const cJSON* nic, int32_t* field) {
    const cJSON* item = cJSON_GetObjectItemCaseSensitive(nic, "AllNetConnect");
    if (cJSON_IsBool(item)) {
        *field = cJSON_IsTrue(item) ? 1 : 2;
    } else if (cJSON_IsNumber(item)) {
        *field = item->valuedouble != 0 ? 1 : 2;
    }
}

// Decodes a base64 credential into a 32-byte field: at most 31 bytes, the rest zero.
template <size_t N>
void _copyCredential(const cJSON* object, const char* key, char (&field)[N]) {
    const cJSON* item = cJSON_GetObjectItemCaseSensitive(object, key);
    if (!cJSON_IsString(item)) {
        return;
    }
    const size_t textLength = strnlen(item->valuestring, kMaxCredentialText);
    char scratch[3 * ((kMaxCredentialText + 3) / 4)] = {};
    const int decoded = Base64_Decode(scratch, item->valuestring, static_cast<int>(textLength));
    std::memset(field, 0, N);
    if (decoded > 0) {
        std::memcpy(field, scratch, std::min(static_cast<size_t>(decoded), N - 1));
    }
}

void _parseNic(const cJSON* object, NETSDK_NIC_INFO* nic) {
    _copyString(object, "Name", nic->name);
    _copyString(object, "IP", nic->ip);
    _copyString(object, "Mask", nic->mask);
    _copyString(object, "GateWay", nic->gateway);
    _copyString(object, "MAC", nic->mac);
    _copyInt(object, "DHCP", &nic->dhcp);
    _copyAllNetConnect(object, &nic->allNetConnect);
}

void _parseNetwork(const cJSON* network, NETSDK_SEARCH_DEVICE_INFO* device) {
    _copyInt(network, "HttpPort", &device->httpPort);
    _copyInt(network, "StreamPort", &device->streamPort);
    _copyString(network, "DNS1", device->dns1);
    _copyString(network, "DNS2", device->dns2);
    const cJSON* nics = cJSON_GetObjectItemCaseSensitive(network, "NIC");
    // cJSON counts an object's members as array entries too: only a real array is taken.
    const int used = cJSON_IsArray(nics) ? std::min(cJSON_GetArraySize(nics), 2) : 0;
    for (int i = 0; i < used; ++i) {
        const cJSON* nic = cJSON_GetArrayItem(nics, i);
        if (cJSON_IsObject(nic)) {
            _parseNic(nic, &device->nic[i]);
        }
    }
}

}  // namespace

std::string IPJSON_MakeJsonModifyIp(const NETSDK_NIC_INFO& nic) {
    JsonPointer root(cJSON_CreateObject(), cJSON_Delete);
    cJSON* network = cJSON_AddObjectToObject(root.get(), "NetWork");
    cJSON* nics = cJSON_AddArrayToObject(network, "NIC");
    cJSON* entry = cJSON_CreateObject();
    if (nics == nullptr || entry == nullptr) {
        cJSON_Delete(entry);
        return {};
    }
    cJSON_AddItemToArray(nics, entry);
    cJSON_AddStringToObject(entry, "Name", _fieldText(nic.name).c_str());
    const struct {
        const char* key;
        std::string value;
    } addresses[] = {{"IP", _fieldText(nic.ip)},
                     {"NetMask", _fieldText(nic.mask)},
                     {"GateWay", _fieldText(nic.gateway)}};
    for (const auto& address : addresses) {
        if (!address.value.empty()) {
            cJSON_AddStringToObject(entry, address.key, address.value.c_str());
        }
    }
    if (nic.allNetConnect != 0) {
        cJSON_AddBoolToObject(entry, "AllNetConnect", nic.allNetConnect == 1);
    }
    return _printed(root.get());
}

std::string IPJSON_MakeJsonProductCmd(uint32_t command) {
    JsonPointer root(cJSON_CreateObject(), cJSON_Delete);
    if (command > 0 && command < kCommandLimit) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "%x", command);
        cJSON_AddStringToObject(root.get(), "CmdType", hex);
    }
    return root ? _printed(root.get()) : std::string();
}

int IPJSON_ParseJsonSearchDevice(const char* body, int length, NETSDK_SEARCH_DEVICE_INFO* device) {
    const JsonPointer root = _parseObject(body, length);
    if (!root || device == nullptr) {
        return -1;
    }
    const cJSON* network = cJSON_GetObjectItemCaseSensitive(root.get(), "NetWork");
    if (cJSON_IsObject(network)) {
        _parseNetwork(network, device);
    }
    _copyInt(root.get(), "Model", &device->model);
    _copyString(root.get(), "DeviceName", device->deviceName);
    _copyString(root.get(), "FirmwareVision", device->firmwareVersion);
    _copyString(root.get(), "HardwareVision", device->hardwareVersion);
    _copyString(root.get(), "UUID", device->uuid);
    _copyString(root.get(), "UID", device->uid);
    _copyCredential(root.get(), "UserName", device->user);
    _copyCredential(root.get(), "Password", device->password);
    return 0;
}

int IPJSON_ParseJsonSearchStatus(const char* body, int length, int* status, char* context,
                                 int contextSize) {
    const JsonPointer root = _parseObject(body, length);
    if (!root || status == nullptr || context == nullptr || contextSize <= 0) {
        return -1;
    }
    const cJSON* statusItem = cJSON_GetObjectItemCaseSensitive(root.get(), "Status");
    *status = cJSON_IsNumber(statusItem) ? statusItem->valueint : 0;
    const cJSON* contextItem = cJSON_GetObjectItemCaseSensitive(root.get(), "StatusContext");
    std::snprintf(context, static_cast<size_t>(contextSize), "%s",
                  cJSON_IsString(contextItem) ? contextItem->valuestring : "");
    return 0;
}
