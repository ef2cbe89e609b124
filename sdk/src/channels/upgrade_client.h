// Firmware upgrade: the file goes to the camera's upgrade port behind a 16-byte head, then
// the camera's progress messages go to a callback until it reports 100 percent.
#pragma once

#include "netsdk.h"

// Blocks for the whole upgrade. 0 once the camera reported 100 percent or more, the
// callback's nonzero answer when it cancelled, -1 on any failure (logged).
int CLIENT_UPGRADE_Firmware(const char* address, int port, const char* filePath,
                            NETSDK_UpgradeCallBack callback, void* user);
