// Command ids of the HTTP command layer and the request paths they map to.
#pragma once

// Kind of a command: a plain path, or a parameter block that travels with the block head.
enum CommandKind { COMMAND_KIND_PLAIN = 0, COMMAND_KIND_BLOCK = 1 };

// Command ids that the layer's operations use.
enum CommandId {
    COMMAND_FACTORY_RESET = 2,
    COMMAND_REBOOT = 3,
    COMMAND_SNAPSHOT = 13,
    COMMAND_ALARM_TONE = 15,
    COMMAND_UPLOAD_ISP = 16,
    COMMAND_UPLOAD_OEM = 17,
    COMMAND_PRODUCT_TEST = 18,
};

// Writes the path of command id into path (pathSize bytes with its NUL) and its kind into
// *kind; 0, or -1 for an unknown id or a path that does not fit. context is not read.
int _ParseDataCommand(void* context, int id, int* kind, char* path, int pathSize);
