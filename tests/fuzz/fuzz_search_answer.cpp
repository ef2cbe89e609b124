// A search answer as it comes off the multicast group: head lines, the body they announce,
// and the JSON of a device or status answer.
#include <cstddef>
#include <cstdint>
#include <string>

#include "json/ipjson_search.h"
#include "netsdk.h"
#include "search/search_message.h"

namespace {

constexpr char kLineEnd[] = "\r\n";
constexpr char kEmptyLine[] = "\r\n\r\n";

void readBody(const char* text, const char* body, int bodyLength) {
    NETSDK_SEARCH_DEVICE_INFO device{};
    IPJSON_ParseJsonSearchDevice(body, bodyLength, &device);
    int status = 0;
    char context[64];
    IPJSON_ParseJsonSearchStatus(body, bodyLength, &status, context, sizeof context);
    char value[64];
    for (const char* key : {"Objective:", "Action:", "DeviceID:", "BodySize:"}) {
        CORE_SEARCH_GetKeyVaule(text, key, kLineEnd, value, sizeof value);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Datagrams arrive NUL-terminated in the receive buffer.
    const std::string text(reinterpret_cast<const char*>(data), size);
    char bodySizeText[16];
    char body[4096];
    int bodyLength = sizeof body;
    if (CORE_SEARCH_GetKeyVaule(text.c_str(), "BodySize:", kLineEnd, bodySizeText,
                                sizeof bodySizeText) == 0 &&
        CORE_SEARCH_GetBoyVaule(text.c_str(), kEmptyLine, CORE_SEARCH_ParseBodySize(bodySizeText),
                                body, &bodyLength) == 0) {
        readBody(text.c_str(), body, bodyLength);
    }
    // The body parsers on their own, over the whole input.
    readBody(text.c_str(), text.data(), static_cast<int>(text.size()));
    return 0;
}
