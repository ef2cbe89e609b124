/*
 * netsdk.h - the network SDK's C interface.
 *
 * Blocking C calls for the cameras' protocols: multicast search and network setting,
 * login and parameter blocks over HTTP, JSON product-test commands, uploads, the live
 * stream, alarm notification and firmware upgrade.
 *
 * Results: 0 for success, -1 for failure; creators return a pointer or NULL.
 * Every record below has a fixed size and fixed offsets that are part of the interface;
 * only fixed-width types are used so the layout is the same for every compiler.
 */
#ifndef NETSDK_H
#define NETSDK_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Common types ----------------------------------------------------------------------- */

/* {channel, stream} passed with parameter and live-play calls. */
typedef struct NETSDK_CHANNEL {
    int32_t channel;
    int32_t stream;
} NETSDK_CHANNEL;

/* The login handle made by NETSDK_Login and freed by NETSDK_Logout; callers hold it as an
 * opaque pointer. */
typedef struct NETSDK_LOGIN_INFO NETSDK_LOGIN_INFO;

/* ---- Search records and callbacks -------------------------------------------------------- */

/* One network interface of a found camera (96 bytes). */
typedef struct NETSDK_NIC_INFO {
    char name[16];
    char ip[16];
    char mask[16];
    char gateway[16];
    char mac[24];
    int32_t dhcp;
    int32_t allNetConnect; /* 1 on, 2 off, 0 not given */
} NETSDK_NIC_INFO;

/* One camera as a search answer describes it (1080 bytes). NETSDK_SetDeviceConfig takes an
 * array of them: zero-filled, then deviceId (the target) and nic[0] set. Text fields are
 * NUL-terminated. */
typedef struct NETSDK_SEARCH_DEVICE_INFO {
    char deviceId[64];
    int32_t model;
    uint8_t reserved0[96];
    char deviceName[32]; /* UTF-8 */
    uint8_t reserved1[32];
    char hardwareVersion[32];
    char firmwareVersion[32];
    char uid[32];  /* shown as the serial number */
    char uuid[32]; /* shown as the cloud ID */
    uint8_t reserved2[192];
    int32_t httpPort;   /* 80 when the answer gives none */
    int32_t streamPort; /* 1680 when the answer gives none */
    char dns1[64];
    char dns2[64];
    NETSDK_NIC_INFO nic[2]; /* the answer's first two interfaces, in its order */
    uint8_t reserved3[64];
    char user[32];     /* "admin" when the answer gives none */
    char password[32]; /* empty when the answer gives none */
    uint8_t reserved4[72];
    uint32_t command; /* used only inside NETSDK_ProductCommand */
} NETSDK_SEARCH_DEVICE_INFO;

/* A numbered command for one camera (132 bytes); 513 (0x201) reboots it. */
typedef struct NETSDK_PRODUCT_COMMAND {
    char deviceId[64];
    uint32_t command;
    uint8_t reserved[64];
} NETSDK_PRODUCT_COMMAND;

/* Called on the caller's thread inside NETSDK_SearchDevice, once per answer; ackType is
 * always 1 and device lives only during the call. A nonzero result ends the search. */
typedef int (*NETSDK_SearchCallBack)(int ackType, NETSDK_SEARCH_DEVICE_INFO* device, void* user);

/* Called on the caller's thread inside NETSDK_SetDeviceConfig and NETSDK_ProductCommand, once
 * per acknowledgement addressed to this client; status is the answer's "Status" (0 when
 * absent). The result is ignored. */
typedef int (*NETSDK_AckCallBack)(int status, const char* deviceId, void* user);

/* ---- Parameter records -------------------------------------------------------------------- */

/* ---- Stream records and callbacks -------------------------------------------------------- */

/* A live or playback stream session made by NETSDK_CreateRealPlay or NETSDK_CreatePlayback
 * and freed by NETSDK_DestoryRealPlay; opaque to callers. */
typedef struct NETSDK_STREAM NETSDK_STREAM;

/* What NETSDK_CreatePlayback asks the camera for. */
typedef struct NETSDK_PLAYBACK_INFO {
    int32_t channel;
    int32_t stream;
    int32_t beginTime; /* passed to the camera unchanged */
    int32_t endTime;
    char fileName[64]; /* NUL-terminated; at most 63 characters are used */
} NETSDK_PLAYBACK_INFO;

/* Codec words of NETSDK_FRAME_INFO.codec. */
#define NETSDK_CODEC_H264 0x00000000u
#define NETSDK_CODEC_H265 0x00000001u
#define NETSDK_CODEC_G711A 0x80000001u
#define NETSDK_CODEC_G711U 0x80000002u
#define NETSDK_CODEC_AUDIO_104 0x80000003u

/* The 448-byte header in front of every block handed to NETSDK_StreamDataCallBack; the
 * payload follows at offset 448. Host byte order.
 * media[] for video (H.264, H.265): key-frame flag (1 or 0), the frame's frame word, then the
 * stream description's words at bytes 8, 12 and 16. For G.711 audio: description bytes 4-7,
 * description byte 3, description byte 2, 0, 0. All zero for the other audio type.
 * The parameter-set slots are filled on video key frames with each set from its start code
 * on; a length of 0 leaves a slot empty. */
typedef struct NETSDK_FRAME_INFO {
    uint32_t codec; /* NETSDK_CODEC_* */
    uint32_t reserved0;
    uint64_t timestamp;
    uint64_t timestamp2; /* the same timestamp again */
    uint32_t length;     /* payload length */
    uint32_t reserved1;
    uint32_t media[5];
    uint8_t vps[128];
    uint32_t vpsLength;
    uint8_t pps[128];
    uint32_t ppsLength;
    uint8_t sps[128];
    uint32_t spsLength;
} NETSDK_FRAME_INFO;

/* Stream status codes given to NETSDK_StreamStatusCallBack. */
#define NETSDK_STREAM_POLL 16          /* start of every loop round while delivering */
#define NETSDK_STREAM_CONNECTED 17
#define NETSDK_STREAM_CONNECT_FAILED 18 /* the loop tries again */
#define NETSDK_STREAM_REQUEST_SENT 19
#define NETSDK_STREAM_REQUEST_FAILED 20 /* back to connect */
#define NETSDK_STREAM_ACK_ACCEPTED 21
#define NETSDK_STREAM_ACK_REFUSED 22    /* back to connect */
#define NETSDK_STREAM_LOST 23           /* frame reading lost the connection; back to connect */

/* Frame kinds given to NETSDK_StreamDataCallBack. */
#define NETSDK_FRAME_LIVE 2
#define NETSDK_FRAME_PLAYBACK 6

/* Runs on the thread of the receive loop with message always NULL; a nonzero answer ends
 * the loop. */
typedef int (*NETSDK_StreamStatusCallBack)(int code, const char* message, void* user);

/* Runs on the thread of the receive loop once per frame; block (valid only during the call)
 * is a NETSDK_FRAME_INFO followed by the payload, length counts both. Answer 0 to read on at
 * once, NETSDK_STREAM_RECONNECT to drop the connection and reconnect; any other answer makes
 * the loop pause 10 ms before it reads on. */
typedef int (*NETSDK_StreamDataCallBack)(NETSDK_STREAM* stream, int channel, int streamIndex,
                                         int kind, const void* block, int length, void* user);
#define NETSDK_STREAM_RECONNECT 24

/* ---- Alarm records and callbacks --------------------------------------------------------- */

/* Alarm event types. */
#define NETSDK_ALARM_MOTION 512
#define NETSDK_ALARM_HUMANOID 514
#define NETSDK_ALARM_VIDEO_OCCLUSION 1026

/* One 16-byte alarm message as the camera sent it (little-endian fields); packed, since the
 * time is unaligned on the wire. Type 0 marks a keep-alive and is never delivered. */
#pragma pack(push, 1)
typedef struct NETSDK_ALARM_EVENT {
    uint32_t type;
    int64_t time; /* seconds since 1970 */
    uint32_t reserved;
} NETSDK_ALARM_EVENT;
#pragma pack(pop)

/* Runs on the notify thread once per alarm message; the answer is ignored. */
typedef int (*NETSDK_NotifyCallBack)(const NETSDK_ALARM_EVENT* event, void* user);

/* ---- Upgrade, intercom and OSD refresh ---------------------------------------------------- */

/* Runs on the caller's thread after every progress message of NETSDK_UpgradeFirmware with
 * the camera's percentage and address; a nonzero answer cancels the upgrade. */
typedef int (*NETSDK_UpgradeCallBack)(int percent, const char* ip, void* user);

/* A connected intercom or OSD-refresh channel; opaque to callers. */
typedef struct NETSDK_SEND_CHANNEL NETSDK_SEND_CHANNEL;

/* The OSD-refresh message is always this long. */
#define NETSDK_OSD_REFRESH_SIZE 88

/* ---- Process set-up and shared no-op exports --------------------------------------------- */

/* Once per process before any other call, and once at its end; 0 or -1. */
int NETSDK_Init(void);
int NETSDK_Cleanup(void);

/* Offered for callers of older versions: each does nothing and returns 0. */
int NETSDK_CloseLog(void);
int NETSDK_GetAudioParam(void);
int NETSDK_GetBuildVersion(void);
int NETSDK_GetSdkVersion(void);
int NETSDK_GetVideoParam(void);
int NETSDK_OpenLog(void);
int NETSDK_PTZControl(void);
int NETSDK_PTZPreset(void);
int NETSDK_SetAutoReconnect(void);
int NETSDK_SetLogFile(void);
int NETSDK_SetReconnect(void);

/* ---- Search, network setting and commands ------------------------------------------------ */

/* No login is needed. bindAddress is the local IPv4 address to work from, in host byte order
 * (10.77.1.1 is 0x0A4D0101); the calls hear only that address's network. Each blocks for
 * timeoutSeconds while it collects answers. */

/* Asks every camera on the network; found is called once per answer. 0, or -1 when the
 * search socket cannot be set up. */
int NETSDK_SearchDevice(NETSDK_SearchCallBack found, void* user, int timeoutSeconds,
                        unsigned bindAddress);

/* Sends each record's first interface settings (ip, mask, gateway, allNetConnect) to the
 * camera of its deviceId, then reports the acknowledgements. 0 once every request went out,
 * -1 when the socket cannot be set up or a request could not be sent. */
int NETSDK_SetDeviceConfig(NETSDK_AckCallBack ack, void* user,
                           const NETSDK_SEARCH_DEVICE_INFO* devices, int count,
                           int timeoutSeconds, unsigned bindAddress);

/* Sends each command to the camera of its deviceId, then reports the acknowledgements.
 * 0 once every request went out, -1 as for NETSDK_SetDeviceConfig. */
int NETSDK_ProductCommand(NETSDK_AckCallBack ack, void* user,
                          const NETSDK_PRODUCT_COMMAND* commands, int count,
                          int timeoutSeconds, unsigned bindAddress);

/* ---- Login, parameters, product tests and uploads ---------------------------------------- */

/* ---- Live stream and playback ------------------------------------------------------------ */

/* A live session on the login's camera and stream port; no network traffic. NULL when login
 * or channel is NULL. */
NETSDK_STREAM* NETSDK_CreateRealPlay(NETSDK_LOGIN_INFO* login, const NETSDK_CHANNEL* channel);
/* A playback session for the recorded file that request names. */
NETSDK_STREAM* NETSDK_CreatePlayback(NETSDK_LOGIN_INFO* login, const NETSDK_PLAYBACK_INFO* request);
int NETSDK_SetRealStreamStatus(NETSDK_STREAM* stream, NETSDK_StreamStatusCallBack status,
                               void* user);
/* Starts delivery. runInCaller nonzero runs the receive loop on this thread until it ends
 * (the status callback answers nonzero or another thread stops the session); otherwise the
 * loop gets a thread of its own and the call returns at once. */
int NETSDK_StartRealPlay(NETSDK_STREAM* stream, NETSDK_StreamDataCallBack data, void* user,
                         int runInCaller);
/* Runs a playback session's loop on this thread; both callbacks get user. */
int NETSDK_StartPlayback(NETSDK_STREAM* stream, NETSDK_StreamDataCallBack data,
                         NETSDK_StreamStatusCallBack status, void* user);
int NETSDK_SetPauseRealPlay(NETSDK_STREAM* stream);
int NETSDK_SetPlayRealPlay(NETSDK_STREAM* stream);
/* Ends the loop and waits for it; no callback runs after it returned. */
int NETSDK_StopRealPlay(NETSDK_STREAM* stream);
/* Stops the session if it still runs, then frees it. */
int NETSDK_DestoryRealPlay(NETSDK_STREAM* stream);
int NETSDK_DestoryPlayback(NETSDK_STREAM* stream);

/* ---- Alarm notification ------------------------------------------------------------------ */

/* Opens the alarm channel to the login's camera (port 9267) and keeps it in the login until
 * NETSDK_Logout; a second call replaces the first channel. -1 when the camera cannot be
 * reached now. */
int NETSDK_Notify(NETSDK_LOGIN_INFO* login, NETSDK_NotifyCallBack event, void* user);

/* ---- Upgrade, intercom and OSD refresh exports ------------------------------------------- */

/* Sends a firmware file to the camera's upgrade port (8001) and reports its progress; 0 once
 * the camera reported 100 percent, -1 on failure, or the callback's nonzero answer. */
int NETSDK_UpgradeFirmware(const char* ip, const char* filePath, NETSDK_UpgradeCallBack progress,
                           void* user);

/* Intercom (port 9265): open, send bytes as they are, close. Send gives the number of bytes
 * sent, 0 when the camera took nothing within 2 seconds, or a negative error. */
NETSDK_SEND_CHANNEL* NETSDK_IntercomCalled(const char* ip);
int NETSDK_IntercomSend(NETSDK_SEND_CHANNEL* channel, const char* data, int length);
int NETSDK_IntercomHungUp(NETSDK_SEND_CHANNEL* channel);

/* OSD refresh (port 9266): as the intercom, but every message is NETSDK_OSD_REFRESH_SIZE bytes. */
NETSDK_SEND_CHANNEL* NETSDK_OsdRefreshStart(const char* ip);
int NETSDK_OsdRefreshSend(NETSDK_SEND_CHANNEL* channel, const char* data);
int NETSDK_OsdRefreshStop(NETSDK_SEND_CHANNEL* channel);

#ifdef __cplusplus
}
#endif

#endif /* NETSDK_H */
