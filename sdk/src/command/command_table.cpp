#include "command/command_table.h"

#include <cstring>

#include "log.h"

namespace {

struct Command {
    int id;
    CommandKind kind;
    const char* path;
};

constexpr const char* kPropertyPath = "/NetSDK/Device/Property";

constexpr Command kCommands[] = {
    {0, COMMAND_KIND_PLAIN, "/NetSDK/System/DeviceInfo"},
    {1, COMMAND_KIND_PLAIN, "/NetSDK/System/UserInfo"},
    {2, COMMAND_KIND_PLAIN, "/NetSDK/System/DefaultFactory"},
    {3, COMMAND_KIND_PLAIN, "/NetSDK/System/Reboot"},
    {4, COMMAND_KIND_PLAIN, "/NetSDK/System/Time"},
    {5, COMMAND_KIND_PLAIN, "/NetSDK/NetWork/Interface/Wired"},
    {6, COMMAND_KIND_PLAIN, "/NetSDK/Media/Audio/Encode"},
    {7, COMMAND_KIND_PLAIN, "/NetSDK/Media/Video/Encode"},
    {8, COMMAND_KIND_PLAIN, "/NetSDK/Media/Video/RequestKeyFrame"},
    {9, COMMAND_KIND_PLAIN, "/NetSDK/Media/Video/OSD"},
    {10, COMMAND_KIND_PLAIN, "/NetSDK/Media/Video/PrivacyMask"},
    {11, COMMAND_KIND_PLAIN, "/NetSDK/Media/Video/MotionDetection"},
    {12, COMMAND_KIND_PLAIN, "/NetSDK/Media/Video/ISP"},
    {13, COMMAND_KIND_PLAIN, "/NetSDK/Media/Video/Snapshot"},
    {14, COMMAND_KIND_PLAIN, "/NetSDK/System/Light"},
    {15, COMMAND_KIND_PLAIN, "/NetSDK/System/AlarmTone"},
    {16, COMMAND_KIND_PLAIN, "/System/ISP/UploadConfigFile"},
    {17, COMMAND_KIND_PLAIN, "/System/OEM/UploadFile"},
    {18, COMMAND_KIND_PLAIN, "/NetSDK/System/ProductTest"},
};

// Ids 19 to 44 all name the property path.
constexpr int kFirstPropertyId = 19;
constexpr int kLastPropertyId = 44;

bool findCommand(int id, Command* found) {
    for (const Command& command : kCommands) {
        if (command.id == id) {
            *found = command;
            return true;
        }
    }
    if (id >= kFirstPropertyId && id <= kLastPropertyId) {
        *found = Command{id, COMMAND_KIND_BLOCK, kPropertyPath};
        return true;
    }
    return false;
}

}  // namespace

int _ParseDataCommand(void*, int id, int* kind, char* path, int pathSize) {
    Command command{};
    if (path == nullptr || kind == nullptr || !findCommand(id, &command)) {
        SDK_LOG_NULL();
        return -1;
    }
    const size_t length = std::strlen(command.path);
    if (pathSize < 0 || static_cast<size_t>(pathSize) <= length) {
        SDK_LOG_RESULT(1);
        return -1;
    }
    std::memcpy(path, command.path, length + 1);
    *kind = command.kind;
    return 0;
}
