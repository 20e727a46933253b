#ifndef HIDUSB_H
#define HIDUSB_H

/*
 * The vendor device library: finding mice and receivers, the device server
 * that talks to one of them, and the translation between the device's stored
 * configuration and the program's configuration record.
 *
 * Texts cross this boundary as narrow NUL-terminated strings; every path the
 * library hands out stays valid for the life of the process. Byte blocks
 * have the sizes given with each call. The program examines no result of
 * the hot-plug calls or the record translation, and of the server calls
 * only UsbServer_Exit's, when it ends.
 */

#ifdef __cplusplus
extern "C" {
#endif

#if defined(HIDUSB_BUILDING)
#define HIDUSB_API __attribute__((visibility("default")))
#else
#define HIDUSB_API
#endif

/* Sizes of the blocks that cross the boundary. */
enum {
    HIDUSB_RECORD_SIZE = 10428,        /* the configuration record */
    HIDUSB_DUMP_SIZE = 6912,           /* the full configuration dump (event 8) */
    HIDUSB_ATTRIBUTE_SIZE = 12,        /* version word at bytes 8-9, little-endian */
    HIDUSB_ADDRESS_INFO_SIZE = 10,     /* byte 6 online, bytes 7-9 the receiver id */
    HIDUSB_DONGLE_RGB_SIZE = 10,       /* byte 0 the receiver indicator mode */
    HIDUSB_BATTERY_STATUS_SIZE = 4,    /* byte 0 level, byte 1 charging */
    HIDUSB_BATTERY_PAYLOAD_SIZE = 2,   /* what GetDeviceBatteryStatus reads */
    HIDUSB_STATUS_FLAGS_SIZE = 7,      /* see the device event codes below */
    HIDUSB_DONGLE_ID_SIZE = 5,         /* three receiver-id bytes, 0, class */
    HIDUSB_UPGRADE_LOG_LINES = 8
};

/* Device events: header byte 1. Byte 3 is the status (0 good), byte 4 the
 * sub-command of a read reply. */
enum {
    HIDUSB_EVENT_BATTERY = 4,
    HIDUSB_EVENT_PAIRING = 6,
    HIDUSB_EVENT_READ_REPLY = 8,
    HIDUSB_EVENT_RESET = 9,
    HIDUSB_EVENT_STATUS_CHANGED = 10,
    HIDUSB_EVENT_CONFIG = 14,
    HIDUSB_EVENT_VERSION = 18,
    HIDUSB_EVENT_RECEIVER_LIGHT = 21,
    HIDUSB_EVENT_LONG_RANGE = 23
};
enum {
    HIDUSB_HEADER_EVENT = 1,
    HIDUSB_HEADER_STATUS = 3,
    HIDUSB_HEADER_SUBCOMMAND = 4
};
enum {
    HIDUSB_READ_ALL_OR_RATE = 0x00, /* 6,912-byte dump, or the 1-byte polling rate */
    HIDUSB_READ_CURRENT_DPI = 0x04, /* 1 byte */
    HIDUSB_READ_DPI_LED = 0x4C,     /* 8 bytes */
    HIDUSB_READ_LED_BAR = 0xA0      /* 9 bytes */
};
/* Status-change flags: byte 0 current DPI, 1 polling rate, 2 full re-read
 * wanted, 3 DPI light, 5 lighting, 6 battery (byte 4 unused). */

/* Three id bytes, all zero while the device is not ready. */
typedef struct HidDeviceIds {
    unsigned char cid;
    unsigned char mid;
    unsigned char kind; /* 0, 1, 4, 5 receiver classes; 2, 3 the mouse on a cable */
} HidDeviceIds;

typedef void (*UsbChangeCallback)(void);
typedef void (*UsbEventCallback)(const unsigned char *header, int headerLength,
                                 const unsigned char *payload, int payloadLength);
/* byte 0 = 7; byte 1 = 1 progress (byte 2 percent) or 2 result (byte 2 = 1 success). */
typedef void (*UpgradeCallback)(const unsigned char *report);

/* Hot-plug watch: keeps one callback, the last registered, and calls it on
 * the GUI thread soon after registration and after every device change. */
HIDUSB_API int StartUsbChanged(UsbChangeCallback callback, int interval);
HIDUSB_API void StopUsbChanged(void);

/* Finding devices. The returned array and its strings stay valid. */
HIDUSB_API const char **UsbFinderC_FindHidDevicesByDefaultDeviceId(const char *vendorId,
                                                                    const char *productId,
                                                                    int *count);
HIDUSB_API const char **UsbFinderC_FindHidDevicesByDeviceId(const char *vendorId,
                                                             const char *productId,
                                                             int usagePage, int usage,
                                                             int *count);
HIDUSB_API int UsbFinderC_GetUsbDeviceAttribute(const char *path, unsigned char *attribute);
HIDUSB_API HidDeviceIds UsbFinderC_GetDeviceInfo(const char *path);
HIDUSB_API int UsbFinderC_GetDeviceOnLine(const char *path);
HIDUSB_API int UsbFinderC_GetDeviceOnLineWithUsbAddress(const char *path, unsigned char *info);
HIDUSB_API int UsbFinderC_GetVersion(const char *path);
HIDUSB_API int UsbFinderC_GetSlaveVersion(const char *path, unsigned short *version);
HIDUSB_API int UsbFinderC_Get4KDongleRGBValue(const char *path, unsigned char *dongleRgb);
HIDUSB_API int UsbFinderC_Set4KDongleRGB(const char *path, const unsigned char *dongleRgb);
/* Leaves *mode untouched when the receiver has no long-range mode. */
HIDUSB_API int UsbFinderC_GetLongRangeMode(const char *path, unsigned char *mode);
HIDUSB_API int UsbFinderC_SetLongRangeMode(const char *path, int on);
HIDUSB_API int UsbFinderC_SetDongleIDToMouse(const char *path, const unsigned char *dongleId);
HIDUSB_API int UsbFinderC_OpenDevice(const char *path);
HIDUSB_API int UsbFinderC_ReadWriteDeviceData(const unsigned char *request, unsigned char *reply,
                                              unsigned char length);

/* The device server: one device at a time, answers through the callback on
 * the library's own thread, in request order, while the device is online. */
HIDUSB_API int UsbServerC_Start(const char *path, const char *path2, UsbEventCallback callback);
/* Stops the server at once, never waiting: its callback may be blocked on
 * the very thread that calls this. Returns 1 when the library's thread is
 * outside the stopped server's callback and will not enter it again, 0
 * while a callback already begun still runs: call it again later. */
HIDUSB_API int UsbServer_Exit(void);
HIDUSB_API void UsbServer_SetPCDriverStatus(int active);
HIDUSB_API void UsbServer_ReadAllFlashData(void);
HIDUSB_API void UsbServer_ReadBatteryLevel(void);
HIDUSB_API void UsbServer_ReadConfig(void);
HIDUSB_API void UsbServer_ReadCurrentDPI(void);
HIDUSB_API void UsbServer_ReadDPILed(void);
HIDUSB_API void UsbServer_ReadLedBar(void);
HIDUSB_API void UsbServer_ReadReportRate(void);
HIDUSB_API void UsbServer_ReadVersion(void);
HIDUSB_API void UsbServer_SetCurrentConfig(unsigned char index);
HIDUSB_API void UsbServer_SetBatteryOptimizeEnable(int enable);
HIDUSB_API void UsbServer_SetClearSetting(void);
HIDUSB_API void UsbServer_EnterDonglePairOnlyCid(unsigned char cid);
HIDUSB_API void UsbServer_ReadDonglePairStatus(void);

/* Record translation. */
HIDUSB_API void ProtocolDataParser(const unsigned char *dump, unsigned char *record);
HIDUSB_API int ProtocolDataUpdate(const unsigned char *record);
/* 8-byte reply into record bytes 63-66 (give the address of byte 63). */
HIDUSB_API void BufferToDPILed(const unsigned char *payload, unsigned char *dpiLed);
/* 9-byte reply into record bytes 67-73 (give the address of byte 67). */
HIDUSB_API void BufferToLedBar(const unsigned char *payload, unsigned char *ledBar);
/* Reads 2 payload bytes (level, charging) into the 4-byte status. */
HIDUSB_API void GetDeviceBatteryStatus(const unsigned char *payload, unsigned char *status);
/* Reads 7 payload bytes into the 7 status-change flags. */
HIDUSB_API void GetDeviceStatusChanged(const unsigned char *payload, unsigned char *flags);

/* Firmware upgrade. The image is a whole image file in memory; the library
 * reads its header, the rest goes to the device. Header fields: the version
 * word (4 bytes, little-endian, bits 0-7 the minor number), the kind (210
 * mouse, 211 receiver), customer and model id, and the identifier text
 * (up to its first zero byte). */
enum {
    HIDUSB_IMAGE_HEADER_SIZE = 728,
    HIDUSB_IMAGE_VERSION_OFFSET = 16,
    HIDUSB_IMAGE_KIND_OFFSET = 20,
    HIDUSB_IMAGE_CID_OFFSET = 21,
    HIDUSB_IMAGE_MID_OFFSET = 22,
    HIDUSB_IMAGE_IDENTIFIER_OFFSET = 87,
    HIDUSB_IMAGE_IDENTIFIER_SIZE = 64
};
HIDUSB_API int UsbUpgradeC_FindBootDevices(const unsigned char *image, int *count);
HIDUSB_API int UsbUpgrade_Start(const unsigned char *image, UpgradeCallback callback, int timeout);
HIDUSB_API const char **UsbUpgradeC_GetLogs(void);

#ifdef __cplusplus
}
#endif

#endif
