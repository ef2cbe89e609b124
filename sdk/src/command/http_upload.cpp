// File upload: a multipart form whose file part is the 144-byte file head ("KVTQ") and the
// file data, with the MD5 of head and data in the X-CheckSum header.
#include <cstdio>
#include <cstring>
#include <string>

#include "command/command_table.h"
#include "command/http_operations.h"
#include "http/md5.h"
#include "log.h"

namespace {

constexpr int kPathCapacity = 128;
constexpr size_t kFileHeadBytes = 144;
// Room of the buffer that the form around the file needs.
constexpr int kFormRoom = 1024;
constexpr const char* kBoundary = "----------------------ZRPostUpload";

struct UploadTarget {
    int fileType;
    int command;
    uint32_t action;
};

constexpr UploadTarget kTargets[] = {
    {513, COMMAND_UPLOAD_ISP, 0x101}, {514, COMMAND_UPLOAD_ISP, 0x101},
    {769, COMMAND_UPLOAD_OEM, 0x103}, {770, COMMAND_UPLOAD_OEM, 0x103},
    {771, COMMAND_UPLOAD_OEM, 0x103},
};

const UploadTarget* findTarget(int fileType) {
    for (const UploadTarget& target : kTargets) {
        if (target.fileType == fileType) {
            return &target;
        }
    }
    return nullptr;
}

void putWord(uint8_t* at, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        at[i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

void makeFileHead(uint8_t* head, const char* fileName, const char* data, uint32_t size,
                  uint32_t action, int fileType) {
    std::memset(head, 0, kFileHeadBytes);
    std::memcpy(head, "KVTQ", 4);
    putWord(head + 4, 1);
    putWord(head + 56, size);
    putWord(head + 60, 1);
    putWord(head + 64, action);
    std::snprintf(reinterpret_cast<char*>(head + 68), 32, "%s", fileName);
    const std::string md5 = Md5::hex(Md5::of(data, size), true);
    std::memcpy(head + 100, md5.data(), 32);
    putWord(head + 132, kFileHeadBytes);
    putWord(head + 136, size);
    putWord(head + 140, static_cast<uint32_t>(fileType));
}

// The form around the file head and data.
std::string formStart(const char* fileName) {
    const std::string boundary = kBoundary;
    return "--" + boundary + "\r\n" + "Content-Disposition: form-data; name=Filename\r\n\r\n" +
           fileName + "\r\n" + "--" + boundary + "\r\n" +
           "Content-Disposition: form-data; name=Filedata\r\n" +
           "Content-Type: application/octet-stream\r\n\r\n";
}

std::string formEnd() {
    return std::string("\r\n--") + kBoundary + "--\r\n";
}

// A name that would break the form's lines is refused.
bool nameIsSafe(const char* fileName) {
    return std::strpbrk(fileName, "\r\n") == nullptr;
}

}  // namespace

int CORE_HTTP_UploadFile(CORE_HTTP_CONTEXT* context, const char* fileName, const char* data,
                         int size, int fileType) {
    if (context == nullptr || !context->client || context->operations.parseDataCommand == nullptr ||
        fileName == nullptr || data == nullptr) {
        SDK_LOG_NULL();
        return -1;
    }
    const int largestFile = static_cast<int>(context->capacity) - kFormRoom;
    if (size < 0 || size > largestFile || !nameIsSafe(fileName)) {
        SDK_LOG_RESULT(1);
        return -1;
    }
    const UploadTarget* target = findTarget(fileType);
    if (target == nullptr) {
        SDK_LOG_RESULT(1);
        return -1;
    }
    const std::string start = formStart(fileName);
    const std::string end = formEnd();
    const size_t total = start.size() + kFileHeadBytes + static_cast<size_t>(size) + end.size();
    if (total > context->capacity) {
        SDK_LOG_RESULT(1);
        return -1;
    }
    char path[kPathCapacity];
    int kind = 0;
    const int resolved =
        context->operations.parseDataCommand(context, target->command, &kind, path, 96);
    if (resolved != 0) {
        SDK_LOG_RESULT(resolved);
        return -1;
    }
    std::snprintf(path + std::strlen(path), 32, "?Action=%x", target->action);

    uint8_t* body = context->buffer.data();
    std::memcpy(body, start.data(), start.size());
    uint8_t* head = body + start.size();
    makeFileHead(head, fileName, data, static_cast<uint32_t>(size), target->action, fileType);
    std::memcpy(head + kFileHeadBytes, data, size);
    std::memcpy(head + kFileHeadBytes + size, end.data(), end.size());

    const std::string checksum = Md5::hex(Md5::of(head, kFileHeadBytes + size), true);
    const std::string contentType = std::string("multipart/form-data; boundary=") + kBoundary;
    const HTTP_HEADER headers[] = {{"Content-Type", contentType.c_str()},
                                   {"X-CheckSum", checksum.c_str()}};
    const HttpExchange exchange{HTTP_METHOD_POST,
                                path,
                                headers,
                                2,
                                reinterpret_cast<const char*>(body),
                                static_cast<int>(total),
                                false,
                                "_http_client_upload_data",
                                "http server response error: %d\n"};
    const int status = CORE_HTTP_Exchange(context, exchange, nullptr);
    if (status != 200) {
        if (status >= 0) {
            SDK_LOG_RESULT(status);
        }
        return -1;
    }
    return 0;
}
