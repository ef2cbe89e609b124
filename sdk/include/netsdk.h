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

/* Id 25: fill light and day/night switching. 4552 bytes. */
typedef struct NETSDK_PARAM_LIGHT {
    NETSDK_OPTION_SLOT photosensor;       /* value: 0 hard photosensor, 1 soft photosensor */
    NETSDK_OPTION_SLOT imageMode;         /* value: 2 auto, 4 day, 8 night, 16 timed */
    NETSDK_OPTION_SLOT lightMode;         /* value: 0 infrared, 1 white, 2 dual light; 16, 17, 18
                                             the same with smart dimming; list: the offered modes */
    NETSDK_OPTION_SLOT turnOnSensitivity; /* value: 2 early, 4 medium, 8 late */
    NETSDK_OPTION_SLOT adjustSensitivity; /* value: 2 fast, 4 medium, 8 slow */
    NETSDK_SHORT_SLOT slot1400;
    NETSDK_RANGE_SLOT slots1416[6];
    NETSDK_OPTION_SLOT redDimming;   /* infrared light, value: 0 auto, 1 manual */
    NETSDK_RANGE_SLOT redBrightness; /* infrared light, value: percent 0 to 100 */
    NETSDK_RANGE_SLOT slots2816[2];
    NETSDK_OPTION_SLOT warmDimming;   /* warm light, value: 0 auto, 1 manual */
    NETSDK_RANGE_SLOT warmBrightness; /* warm light, value: percent 0 to 100 */
    NETSDK_RANGE_SLOT slots3576[2];
    NETSDK_TIME_SEGMENT nightPeriod; /* ranges[0] night start, ranges[1] night end, in
                                        seconds after midnight (timed image mode) */
} NETSDK_PARAM_LIGHT;

/* Id 43: IR-cut filter. 16 bytes. Only the value travels, in both directions. */
typedef struct NETSDK_PARAM_IRCUT {
    NETSDK_SHORT_SLOT polarity; /* value: 0 forward, 1 reverse */
} NETSDK_PARAM_IRCUT;

/* Id 26: human detection. 176 bytes. */
typedef struct NETSDK_PARAM_HUMANOID {
    NETSDK_SHORT_SLOT enabled; /* value nonzero: on */
    NETSDK_RANGE_SLOT sensitivity;
} NETSDK_PARAM_HUMANOID;

/* Id 27: detection regions. 12224 bytes. */
enum { NETSDK_ROI_REGIONS = 4, NETSDK_ROI_POINTS = 8 };
typedef struct NETSDK_ROI_POINT {
    NETSDK_RANGE_SLOT x; /* value: float */
    NETSDK_RANGE_SLOT y; /* value: float */
} NETSDK_ROI_POINT;
typedef struct NETSDK_ROI_REGION {
    NETSDK_SHORT_SLOT inUse;        /* value: 1 yes, 0 no */
    NETSDK_RANGE_SLOT normalColour; /* value: ARGB */
    NETSDK_RANGE_SLOT alarmColour;  /* value: ARGB */
    NETSDK_RANGE_SLOT pointCount;   /* value: 0 to 8; a read and a write hold it there */
    NETSDK_ROI_POINT points[NETSDK_ROI_POINTS]; /* a write sends only the counted points */
} NETSDK_ROI_REGION;
typedef struct NETSDK_PARAM_ROI {
    NETSDK_ROI_REGION regions[NETSDK_ROI_REGIONS];
} NETSDK_PARAM_ROI;

/* Id 29: motion detection. 4792 bytes. */
enum { NETSDK_MOTION_GRID_ROWS = 24, NETSDK_MOTION_GRID_COLUMNS = 32 };
typedef struct NETSDK_PARAM_MOTION {
    NETSDK_SHORT_SLOT enabled;          /* value: 1 on, 0 off */
    NETSDK_RANGE_SLOT daySensitivity;   /* value: 1 to 100 */
    NETSDK_RANGE_SLOT dayThreshold;     /* value: 1 to 100 */
    NETSDK_SHORT_SLOT nightEnabled;     /* value: 1 night parameters on, 0 off */
    NETSDK_RANGE_SLOT nightSensitivity; /* value: 1 to 100 */
    NETSDK_RANGE_SLOT nightThreshold;   /* value: 1 to 100 */
    NETSDK_TIME_SEGMENT night;          /* ranges[0] start, ranges[1] end, seconds after midnight */
    /* The watched cells: cells[r][c] is 1 when column c of row r is watched. Only the
     * first gridRows rows and gridColumns columns travel; a write with a count outside
     * 0..24 rows or 0..32 columns fails, and a read holds the counts there. */
    int32_t gridColumns;
    int32_t gridRows;
    uint8_t cells[NETSDK_MOTION_GRID_ROWS][NETSDK_MOTION_GRID_COLUMNS];
    NETSDK_TIME_SEGMENT windows[4]; /* head: in use; ranges: start, end, week days
                                       (bit 0 Sunday), open */
    NETSDK_SHORT_SLOT flashLight;   /* value 0 or 1 */
    NETSDK_SHORT_SLOT promptTone;   /* value 0 or 1 */
    NETSDK_SHORT_SLOT slot4760;
    NETSDK_SHORT_SLOT slot4776;
} NETSDK_PARAM_MOTION;

/* Id 30: privacy masks. 3264 bytes. */
typedef struct NETSDK_PRIVACY_MASK {
    NETSDK_SHORT_SLOT enabled; /* value: 1 yes, 0 no */
    NETSDK_RANGE_SLOT state;   /* value: 2 drawn or moved, 0 empty */
    NETSDK_RANGE_SLOT x;       /* value: float percent of the picture width (left edge) */
    NETSDK_RANGE_SLOT y;       /* value: float percent of the picture height (top edge) */
    NETSDK_RANGE_SLOT width;   /* value: float percent */
    NETSDK_RANGE_SLOT height;  /* value: float percent */
} NETSDK_PRIVACY_MASK;
typedef struct NETSDK_PARAM_PRIVACY_MASK {
    NETSDK_PRIVACY_MASK masks[4];
} NETSDK_PARAM_PRIVACY_MASK;

/* Id 33: image sensor. 3600 bytes. Values 0 to 100 unless said otherwise. */
typedef struct NETSDK_PARAM_VIDEO_CAPTURE {
    NETSDK_RANGE_SLOT brightness;
    NETSDK_RANGE_SLOT saturation;
    NETSDK_RANGE_SLOT sharpness;
    NETSDK_RANGE_SLOT contrast;
    NETSDK_RANGE_SLOT slot640;
    NETSDK_RANGE_SLOT backlight;
    NETSDK_OPTION_SLOT videoStandard;      /* value: field rate 50 or 60 */
    NETSDK_SHORT_SLOT horizontalFlip;      /* value 0 or 1 */
    NETSDK_SHORT_SLOT verticalFlip;        /* value 0 or 1 */
    NETSDK_SHORT_SLOT preventOverExposure; /* value 0 or 1 */
    NETSDK_OPTION_SLOT slot1288;
    NETSDK_RANGE_SLOT aeSensitivity; /* value 0 to 255 */
    NETSDK_RANGE_SLOT aeTolerance;   /* value 0 to 255 */
    NETSDK_SHORT_SLOT slot1888;
    NETSDK_SHORT_SLOT slot1904;
    NETSDK_RANGE_SLOT slot1920;
    NETSDK_RANGE_SLOT slot2080;
    NETSDK_OPTION_SLOT slot2240;
    NETSDK_SHORT_SLOT slot2520;
    NETSDK_SHORT_SLOT slot2536;
    NETSDK_OPTION_SLOT slot2552;
    NETSDK_SHORT_SLOT wdrEnabled;     /* wide dynamic range, value 0 or 1 */
    NETSDK_SHORT_SLOT wdrStrengthOff; /* value 0: the strength applies, 1: it does not */
    NETSDK_RANGE_SLOT wdrStrength;
    NETSDK_SHORT_SLOT slot3024;
    NETSDK_SHORT_SLOT slot3040;
    NETSDK_RANGE_SLOT slot3056;
    NETSDK_SHORT_SLOT noiseReduction;   /* 3D noise reduction, value 0 or 1 */
    NETSDK_SHORT_SLOT noiseStrengthOff; /* value 0: the strength applies, 1: it does not */
    NETSDK_RANGE_SLOT noiseStrength;
    NETSDK_SHORT_SLOT slot3408;
    NETSDK_SHORT_SLOT slot3424;
    NETSDK_RANGE_SLOT slot3440;
} NETSDK_PARAM_VIDEO_CAPTURE;

/* Id 34: audio capture. 920 bytes. */
typedef struct NETSDK_PARAM_AUDIO_CAPTURE {
    NETSDK_RANGE_SLOT sampleRate;     /* value: 8000, 16000 or 32000 Hz */
    NETSDK_RANGE_SLOT sampleBits;     /* value: 16 */
    NETSDK_RANGE_SLOT captureVolume;  /* value: 1 to 100 */
    NETSDK_RANGE_SLOT playbackVolume; /* value: 1 to 100 */
    NETSDK_OPTION_SLOT input;         /* value: 0 auto, 1 line in, 2 microphone */
} NETSDK_PARAM_AUDIO_CAPTURE;

/* Ids 35 and 36: audio encoder and decoder. 296 bytes each. */
typedef struct NETSDK_PARAM_AUDIO_CODEC {
    NETSDK_SHORT_SLOT enabled; /* value: 0 off, 1 on */
    NETSDK_OPTION_SLOT codec;  /* value: 0 G.711 A-law, 1 G.711 u-law, 2 AAC (decoder only) */
} NETSDK_PARAM_AUDIO_CODEC;
typedef NETSDK_PARAM_AUDIO_CODEC NETSDK_PARAM_AUDIO_ENCODE;
typedef NETSDK_PARAM_AUDIO_CODEC NETSDK_PARAM_AUDIO_DECODE;

/* Id 39: GB/T 28181 platform registration. 3304 bytes. */
typedef struct NETSDK_PARAM_GB28181 {
    int32_t words0[2];
    int32_t enabled; /* 0 off, 1 on */
    int32_t word12;
    char serverAddress[32];
    int32_t serverPort; /* 1 to 65535 */
    char serverId[32];
    char serverDomain[32];
    int32_t registrationSeconds;
    int32_t heartbeatSeconds; /* 5 to 3600 */
    int32_t heartbeatMisses;  /* 3 to 255 */
    char userName[32];
    char authenticationId[32];
    char password[32];
    int32_t localPort; /* 1025 to 65535 */
    int32_t stream;    /* 0 main stream, 1 sub stream */
    char videoChannelIds[32][32];
    char audioOutputIds[32][32];
    char alarmIds[32][32];
} NETSDK_PARAM_GB28181;

/* Id 44: cover (occlusion) detection. 3664 bytes. */
typedef struct NETSDK_PARAM_COVER_DETECT {
    NETSDK_SHORT_SLOT enabled;     /* value: 1 on, 0 off */
    NETSDK_RANGE_SLOT sensitivity; /* value: 1 to 5 */
    NETSDK_RANGE_SLOT threshold;   /* value: 0 to 100 */
    NETSDK_RANGE_SLOT left;        /* watched rectangle, values float percent */
    NETSDK_RANGE_SLOT top;
    NETSDK_RANGE_SLOT right;
    NETSDK_RANGE_SLOT bottom;
    NETSDK_TIME_SEGMENT windows[4]; /* head: in use; ranges: start, end, week days
                                       (bit 0 Sunday), open */
    NETSDK_SHORT_SLOT flashLight;   /* value 0 or 1 */
    NETSDK_SHORT_SLOT promptTone;   /* value 0 or 1 */
    NETSDK_SHORT_SLOT slot3632;
    NETSDK_SHORT_SLOT slot3648;
} NETSDK_PARAM_COVER_DETECT;

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
