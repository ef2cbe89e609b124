// JSON bodies of the search protocol, built and parsed with cJSON.
#pragma once

#include <cstdint>
#include <string>

#include "netsdk.h"

// The SETNET body for one interface: {"NetWork": {"NIC": [{"Name", "IP", "NetMask",
// "GateWay", "AllNetConnect"}]}}, printed formatted. "Name" is always written, the three
// addresses only when not empty, "AllNetConnect" only when nic.allNetConnect is not 0 (true
// for 1, false otherwise). Text fields are read up to their size even without a NUL.
// Returns "" when cJSON cannot build it.
std::string IPJSON_MakeJsonModifyIp(const NETSDK_NIC_INFO& nic);

// The COMMAND body: {"CmdType": "<command in lower-case hex>"} for 0 < command < 2050,
// otherwise {}. Returns "" when cJSON cannot build it.
std::string IPJSON_MakeJsonProductCmd(uint32_t command);

// Fills device from a SEARCH_ACK body of length bytes. Keys that are absent (or of another
// type) leave what device holds; strings are cut to their field less one byte; UserName and
// Password are base64 and keep at most 31 decoded bytes. Returns 0, or -1 when the body is
// not a JSON object.
int IPJSON_ParseJsonSearchDevice(const char* body, int length, NETSDK_SEARCH_DEVICE_INFO* device);

// Reads "Status" (0 when absent) and "StatusContext" (cut to contextSize - 1 characters) of a
// SETNET_ACK or COMMAND_ACK body. Returns 0, or -1 when the body is not a JSON object.
int IPJSON_ParseJsonSearchStatus(const char* body, int length, int* status, char* context,
                                 int contextSize);
