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

/* ---- Alarm notification ------------------------------------------------------------------ */

/* ---- Upgrade, intercom and OSD refresh exports ------------------------------------------- */

#ifdef __cplusplus
}
#endif

#endif /* NETSDK_H */
