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

/* The login handle made by NETSDK_Login and freed by NETSDK_Logout; opaque to callers. */
typedef struct NETSDK_LOGIN_INFO NETSDK_LOGIN_INFO;

/* ---- Search records and callbacks -------------------------------------------------------- */

/* ---- Parameter records -------------------------------------------------------------------- */

/* ---- Stream records and callbacks -------------------------------------------------------- */

/* ---- Alarm records and callbacks --------------------------------------------------------- */

/* ---- Upgrade, intercom and OSD refresh ---------------------------------------------------- */

/* ---- Process set-up and shared no-op exports --------------------------------------------- */

/* ---- Search, network setting and commands ------------------------------------------------ */

/* ---- Login, parameters, product tests and uploads ---------------------------------------- */

/* ---- Live stream and playback ------------------------------------------------------------ */

/* ---- Alarm notification ------------------------------------------------------------------ */

/* ---- Upgrade, intercom and OSD refresh exports ------------------------------------------- */

#ifdef __cplusplus
}
#endif

#endif /* NETSDK_H */
