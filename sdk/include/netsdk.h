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

/*
 * Host records of NETSDK_GetParam / NETSDK_SetParam. Each has the exact size that the
 * calls demand; the SDK converts it to and from the camera's packed wire body.
 *
 * Most settings are value slots: the third word is the current value (what a write sends)
 * and the fourth the camera's default. Option and range slots also carry the list of values
 * the camera offers (at most 32, distinct, in the camera's order); a read fills the list, a
 * write never sends it. Words named wordN or reservedN have no documented meaning: a read
 * fills them as the camera sent them and a write leaves them out. Positions and coordinates
 * are 32-bit floats carried in value words as their raw bits (copy them with memcpy).
 */

/* A slot of four words. 16 bytes. */
typedef struct NETSDK_SHORT_SLOT {
    int32_t word0;
    int32_t word1;
    int32_t value;
    int32_t defaultValue;
} NETSDK_SHORT_SLOT;

/* A slot that offers a list of choices. 280 bytes. */
typedef struct NETSDK_OPTION_SLOT {
    int32_t word0;
    int32_t word1;
    int32_t value;
    int32_t defaultValue;
    int32_t count;     /* values used in the list, at most 32 */
    int32_t list[64];  /* room for 64; a read fills at most 32 */
    uint32_t reserved; /* working word of the SDK; never meaningful */
} NETSDK_OPTION_SLOT;

/* A slot with a range and a list. 160 bytes. */
typedef struct NETSDK_RANGE_SLOT {
    int32_t word0;
    int32_t word1;
    int32_t value;
    int32_t defaultValue;
    int32_t word4;
    int32_t word5;
    int32_t count; /* values used in the list, at most 32 */
    int32_t list[32];
    uint32_t reserved; /* working word of the SDK; never meaningful */
} NETSDK_RANGE_SLOT;

/* A daily window: a short slot and four range slots. 656 bytes. */
typedef struct NETSDK_TIME_SEGMENT {
    NETSDK_SHORT_SLOT head;
    NETSDK_RANGE_SLOT ranges[4];
} NETSDK_TIME_SEGMENT;

/* Two words and an IPv4 address, first octet first. 12 bytes. */
typedef struct NETSDK_ADDRESS_ENTRY {
    int32_t word0;
    int32_t word1;
    uint8_t address[4];
} NETSDK_ADDRESS_ENTRY;

/* Parameter ids of NETSDK_GetParam / NETSDK_SetParam. */
enum {
    NETSDK_PARAM_ID_FACTORY_RESET = 2, /* write only, empty body */
    NETSDK_PARAM_ID_REBOOT = 3,        /* write only, empty body */
    NETSDK_PARAM_ID_ALARM_TONE = 15,   /* write only, tone index in the path */
    NETSDK_PARAM_ID_DEVICE = 20,
    NETSDK_PARAM_ID_TIME = 21,
    NETSDK_PARAM_ID_MAINTAIN = 22,
    NETSDK_PARAM_ID_ID23 = 23,
    NETSDK_PARAM_ID_ID24 = 24,
    NETSDK_PARAM_ID_LIGHT = 25,
    NETSDK_PARAM_ID_HUMANOID = 26,
    NETSDK_PARAM_ID_ROI = 27,
    NETSDK_PARAM_ID_ARMING = 28,
    NETSDK_PARAM_ID_MOTION = 29,
    NETSDK_PARAM_ID_PRIVACY_MASK = 30,
    NETSDK_PARAM_ID_OSD = 31,
    NETSDK_PARAM_ID_VIDEO_ENCODE = 32,
    NETSDK_PARAM_ID_VIDEO_CAPTURE = 33,
    NETSDK_PARAM_ID_AUDIO_CAPTURE = 34,
    NETSDK_PARAM_ID_AUDIO_ENCODE = 35,
    NETSDK_PARAM_ID_AUDIO_DECODE = 36,
    NETSDK_PARAM_ID_NETWORK = 37,
    NETSDK_PARAM_ID_DNS = 38,
    NETSDK_PARAM_ID_GB28181 = 39,
    NETSDK_PARAM_ID_IP_ADAPTION = 40,
    NETSDK_PARAM_ID_ALARM_LINKAGE = 41,
    NETSDK_PARAM_ID_USERS = 42,
    NETSDK_PARAM_ID_IRCUT = 43,
    NETSDK_PARAM_ID_COVER_DETECT = 44
};

/* Ids 2, 3 and 15: the value is 1 for reset and reboot, the 0-based tone for the alarm tone. */
typedef struct NETSDK_PARAM_FACTORY_RESET {
    int32_t value;
} NETSDK_PARAM_FACTORY_RESET;
typedef struct NETSDK_PARAM_REBOOT {
    int32_t value;
} NETSDK_PARAM_REBOOT;
typedef struct NETSDK_PARAM_ALARM_TONE {
    int32_t value;
} NETSDK_PARAM_ALARM_TONE;

/* Id 20, read only: what the device is. 1552 bytes. */
typedef struct NETSDK_PARAM_DEVICE {
    int32_t word0;
    char hardwareVersion[32];
    char text36[16];
    char deviceVersion[32]; /* firmware version */
    char buildTime[32];     /* firmware build time */
    char serialNumber[64];
    char productId[64];
    int32_t words244[5];
    int32_t entries[64][5];
    uint8_t reserved[8];
} NETSDK_PARAM_DEVICE;

/* Id 21: the clock. 1024 bytes. A read fills the NTP fields only in NTP mode and the
 * manual time and zone only in manual mode; a write sends the fields of its mode only. */
typedef struct NETSDK_PARAM_TIME {
    NETSDK_OPTION_SLOT mode; /* value: 0 NTP, 1 manual */
    int32_t manualTime;      /* seconds since 1970-01-01 00:00 UTC */
    int32_t timeZone;        /* the zone code of the camera */
    int32_t ntpEnabled;      /* 1 in NTP mode */
    int32_t words292[3];
    char ntpServer[129];
    char secondServer[129];
    uint8_t reserved562[2];
    int32_t word564;
    uint8_t reserved568[136];
    NETSDK_RANGE_SLOT ntpPort;
    NETSDK_RANGE_SLOT ntpPeriod;
} NETSDK_PARAM_TIME;

/* Id 22: scheduled maintenance reboot. 300 bytes. */
typedef struct NETSDK_PARAM_MAINTAIN {
    NETSDK_SHORT_SLOT rebootEnabled; /* value: 0 off, 1 on */
    NETSDK_OPTION_SLOT rebootDay;    /* value: 1 Sunday ... 64 Saturday, 128 every day */
    int32_t rebootTime;              /* seconds after midnight */
} NETSDK_PARAM_MAINTAIN;

/* Id 28: four arming tasks. 5088 bytes. Id 23 is read into the same layout. */
typedef struct NETSDK_ARMING_TASK {
    NETSDK_SHORT_SLOT inUse;
    NETSDK_RANGE_SLOT repeatMode;
    NETSDK_RANGE_SLOT region;
    NETSDK_OPTION_SLOT alarmTone;
    NETSDK_TIME_SEGMENT window; /* ranges: start, end, week days, open */
} NETSDK_ARMING_TASK;
typedef struct NETSDK_PARAM_ARMING {
    NETSDK_ARMING_TASK tasks[4];
} NETSDK_PARAM_ARMING;
typedef NETSDK_PARAM_ARMING NETSDK_PARAM_ID23;

/* Id 24, read only; meaning open. 48 bytes. */
typedef struct NETSDK_PARAM_ID24 {
    int32_t words[12];
} NETSDK_PARAM_ID24;

/* Id 38: DNS servers. 24 bytes. */
typedef struct NETSDK_PARAM_DNS {
    NETSDK_ADDRESS_ENTRY primary;
    NETSDK_ADDRESS_ENTRY secondary;
} NETSDK_PARAM_DNS;

/* Id 40: IP self-adaption. 20 bytes. */
typedef struct NETSDK_PARAM_IP_ADAPTION {
    NETSDK_SHORT_SLOT enabled; /* value nonzero: on */
    int32_t word16;
} NETSDK_PARAM_IP_ADAPTION;

/* Id 41: what a human-detection alarm sets off. 64 bytes. */
typedef struct NETSDK_PARAM_ALARM_LINKAGE {
    NETSDK_SHORT_SLOT slot0;
    NETSDK_SHORT_SLOT toneOnAlarm; /* value 0 or 1 */
    NETSDK_SHORT_SLOT slot2;
    NETSDK_SHORT_SLOT lightsOnAlarm; /* value 0 or 1 */
} NETSDK_PARAM_ALARM_LINKAGE;

/* Id 42: user accounts. 724 bytes. A read leaves action and passwords empty. */
typedef struct NETSDK_USER_ENTRY {
    char name[32];
    char password[32];
    int32_t flag;
    int32_t level;
} NETSDK_USER_ENTRY;
typedef struct NETSDK_PARAM_USERS {
    int32_t action; /* of a write: 0 add, 1 modify, 2 delete */
    NETSDK_USER_ENTRY users[10];
} NETSDK_PARAM_USERS;

/* Id 32: encoder of one stream, chosen by the channel pair {0, stream}. 1600 bytes. */
typedef struct NETSDK_PARAM_VIDEO_ENCODE {
    NETSDK_OPTION_SLOT encoder; /* value: 1 H.264, 2 H.265 */
    NETSDK_OPTION_SLOT slot280;
    NETSDK_OPTION_SLOT resolution;  /* width * 10000 + height; list: the offered ones */
    NETSDK_OPTION_SLOT rateControl; /* value: 0 CBR, 1 VBR */
    NETSDK_RANGE_SLOT bitRate;      /* kbit/s */
    NETSDK_RANGE_SLOT frameRate;    /* frames per second */
    NETSDK_RANGE_SLOT keyInterval;  /* key-frame interval */
} NETSDK_PARAM_VIDEO_ENCODE;

/* One title of the OSD record. 1080 bytes. */
typedef struct NETSDK_OSD_TITLE {
    NETSDK_SHORT_SLOT shown; /* value: 0 no, 1 yes */
    NETSDK_RANGE_SLOT x;     /* value: float percent of the picture width */
    NETSDK_RANGE_SLOT y;     /* value: float percent of the picture height */
    NETSDK_RANGE_SLOT slot336;
    NETSDK_RANGE_SLOT slot496;
    NETSDK_SHORT_SLOT slot656;
    uint8_t reserved672[8];
    char text[129]; /* UTF-8 */
    uint8_t reserved809[271];
} NETSDK_OSD_TITLE;

/* Id 31: on-screen display. 5864 bytes. */
typedef struct NETSDK_PARAM_OSD {
    NETSDK_OPTION_SLOT slot0;
    NETSDK_OSD_TITLE titles[4];
    NETSDK_SHORT_SLOT dateTimeShown; /* value: 0 no, 1 yes */
    NETSDK_RANGE_SLOT dateTimeX;     /* value: float percent */
    NETSDK_RANGE_SLOT dateTimeY;     /* value: float percent */
    NETSDK_RANGE_SLOT dateTimeSlot4936;
    NETSDK_RANGE_SLOT dateTimeSlot5096;
    NETSDK_SHORT_SLOT weekdayShown; /* value: 0 no, 1 yes */
    NETSDK_SHORT_SLOT weekdayStyle; /* value: 0 English, 1 Chinese */
    NETSDK_SHORT_SLOT clockFormat;  /* value: 0 24-hour, 1 12-hour */
    NETSDK_OPTION_SLOT dateFormat;  /* value: 0 YYYY-MM-DD, 1 MM-DD-YYYY, 2 DD-MM-YYYY,
                                       3 YYYY/MM/DD, 4 MM/DD/YYYY, 5 DD/MM/YYYY */
    NETSDK_OPTION_SLOT slot5584;
} NETSDK_PARAM_OSD;

/* A neighbour entry of the network record. 176 bytes. */
typedef struct NETSDK_NETWORK_ENTRY {
    int32_t word0;
    int32_t word1;
    uint8_t address[6];
    uint8_t reserved14[2];
    NETSDK_RANGE_SLOT slot;
} NETSDK_NETWORK_ENTRY;

/* Id 37: the wired interface. 3652 bytes. A write sends only DHCP, address, mask and
 * gateway (never the MAC address). */
typedef struct NETSDK_PARAM_NETWORK {
    int32_t word0;
    int32_t word4;
    char text8[129];
    char text137[129];
    uint8_t reserved266[2];
    int32_t word268;
    uint8_t reserved272[136];
    int32_t word408;
    int32_t word412;
    char text416[129];
    char text545[129];
    uint8_t reserved674[2];
    int32_t word676;
    uint8_t reserved680[136];
    int32_t word816;
    int32_t word820;
    int32_t dhcp; /* nonzero: on; 0: static address */
    int32_t word828;
    int32_t word832;
    int32_t word836;
    uint8_t mac[6];
    uint8_t reserved846[2];
    NETSDK_ADDRESS_ENTRY ip;
    NETSDK_ADDRESS_ENTRY mask;
    NETSDK_ADDRESS_ENTRY gateway;
    NETSDK_ADDRESS_ENTRY address884;
    NETSDK_OPTION_SLOT slot896;
    char text1176[32];
    char text1208[32];
    int32_t word1240;
    NETSDK_OPTION_SLOT slot1244;
    uint8_t reserved1524[708];
    int32_t word2232;
    int32_t word2236;
    NETSDK_NETWORK_ENTRY entries[8];
    int32_t word3648;
} NETSDK_PARAM_NETWORK;

/* ---- Stream records and callbacks -------------------------------------------------------- */

/* ---- Alarm records and callbacks --------------------------------------------------------- */

/* ---- Upgrade, intercom and OSD refresh ---------------------------------------------------- */

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

/* Asks every camera on the network; found (required) is called once per answer. 0, or -1
 * when found is null or the search socket cannot be set up. */
int NETSDK_SearchDevice(NETSDK_SearchCallBack found, void* user, int timeoutSeconds,
                        unsigned bindAddress);

/* Sends each record's first interface settings (ip, mask, gateway, allNetConnect) to the
 * camera of its deviceId, then reports the acknowledgements to ack (may be null). 0 once
 * every request went out, -1 when devices is null, the socket cannot be set up or a request
 * could not be sent (no acknowledgements are then collected). */
int NETSDK_SetDeviceConfig(NETSDK_AckCallBack ack, void* user,
                           const NETSDK_SEARCH_DEVICE_INFO* devices, int count,
                           int timeoutSeconds, unsigned bindAddress);

/* Sends each command to the camera of its deviceId, then reports the acknowledgements.
 * 0 once every request went out, -1 as for NETSDK_SetDeviceConfig. */
int NETSDK_ProductCommand(NETSDK_AckCallBack ack, void* user,
                          const NETSDK_PRODUCT_COMMAND* commands, int count,
                          int timeoutSeconds, unsigned bindAddress);

/* ---- Login, parameters, product tests and uploads ---------------------------------------- */

/* Reply of NETSDK_ProductTest: called before the call returns, only on HTTP 200, with the
 * NUL-terminated reply body; code is always 0; the return value is ignored. */
typedef int (*NETSDK_ProductCallBack)(int command, int code, const char* json, void* user);

/* Picture of NETSDK_Snapshot: called before the call returns with the body of a 200 answer. */
typedef void (*NETSDK_SnapshotCallBack)(const char* data, int length, void* user);

/* Stored by NETSDK_SetStatusEvent; the SDK never calls it. */
typedef void (*NETSDK_StatusEventCallBack)(void* user);

/* Logs in by reading the device record; NULL when the camera does not answer 200. */
NETSDK_LOGIN_INFO* NETSDK_Login(const char* ip, int httpPort, int streamPort, const char* user,
                                const char* password, int reserved);
/* Frees the handle (and ends its alarm subscription); -1 for NULL. */
int NETSDK_Logout(NETSDK_LOGIN_INFO* login);
/* Reads parameter block paramId into buffer, which must be the record's exact size. On any
 * failure the buffer is left as it was. */
int NETSDK_GetParam(NETSDK_LOGIN_INFO* login, const NETSDK_CHANNEL* channel, int paramId,
                    void* buffer, int bufferSize);
/* Writes parameter block paramId from buffer (exact record size, except ids 2, 3 and 15). */
int NETSDK_SetParam(NETSDK_LOGIN_INFO* login, const NETSDK_CHANNEL* channel, int paramId,
                    const void* buffer, int bufferSize);
/* Sends a JSON product-test command; jsonText may be NULL (no body). */
int NETSDK_ProductTest(NETSDK_LOGIN_INFO* login, int command, NETSDK_ProductCallBack reply,
                       const char* jsonText, void* user);
/* Uploads a file: fileType 513/514 ISP configuration, 769/770/771 OEM files (audio prompts). */
int NETSDK_UploadFile(NETSDK_LOGIN_INFO* login, const char* fileName, const char* data, int size,
                      int fileType);
/* Takes a picture of the channel pair's stream. */
int NETSDK_Snapshot(NETSDK_LOGIN_INFO* login, const NETSDK_CHANNEL* channel,
                    NETSDK_SnapshotCallBack picture, void* user);
/* Stores a status callback in the handle; nothing calls it. */
int NETSDK_SetStatusEvent(NETSDK_LOGIN_INFO* login, NETSDK_StatusEventCallBack callback,
                          void* user);

/* ---- Live stream and playback ------------------------------------------------------------ */

/* ---- Alarm notification ------------------------------------------------------------------ */

/* ---- Upgrade, intercom and OSD refresh exports ------------------------------------------- */

#ifdef __cplusplus
}
#endif

#endif /* NETSDK_H */
