// Process set-up and the exports that are kept for older callers but do nothing.
#include "netsdk.h"

// POSIX sockets need no start-up; the pair stays so that callers written for systems
// whose socket library must be started and ended work unchanged.
extern "C" int NETSDK_Init(void) {
    return 0;
}

extern "C" int NETSDK_Cleanup(void) {
    return 0;
}

// Kept for callers of older versions: each does nothing and returns 0.
extern "C" {
int NETSDK_CloseLog(void) {
    return 0;
}
int NETSDK_GetAudioParam(void) {
    return 0;
}
int NETSDK_GetBuildVersion(void) {
    return 0;
}
int NETSDK_GetSdkVersion(void) {
    return 0;
}
int NETSDK_GetVideoParam(void) {
    return 0;
}
int NETSDK_OpenLog(void) {
    return 0;
}
int NETSDK_PTZControl(void) {
    return 0;
}
int NETSDK_PTZPreset(void) {
    return 0;
}
int NETSDK_SetAutoReconnect(void) {
    return 0;
}
int NETSDK_SetLogFile(void) {
    return 0;
}
int NETSDK_SetReconnect(void) {
    return 0;
}
}
