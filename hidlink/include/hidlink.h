/*
 * hidlink: the HID button board library the program loads at run time.
 *
 * The caller owns a table of HIDLINK_MAX_DEVICES records of HIDLINK_RECORD_SIZE bytes each and
 * passes the address of record 0. DetectHID fills one record per board; ReadInputData reads one
 * board through its record; CloseDevices releases every board of a table. All multi-byte record
 * fields are little-endian and unaligned; the bytes not listed below belong to the library.
 *
 * ReadInputData hands out button states as a queue: each call with status HIDLINK_NEW_DATA
 * returns the state after the oldest report not yet returned, so a press and release that both
 * happen between two polls arrive as two states. A caller that wants every transition calls it
 * until it answers HIDLINK_NO_CHANGE.
 *
 * The identity (the identifier without its suffix) of a hidraw board is
 * "<physical path>:<vendor>:<product>[:<serial>]", e.g.
 * "usb-0000:00:14.0-1.4/input0:1D50:6102": the same after replugging into the same port, and
 * different for two identical boards. A simulated board's identity is its ID in the file.
 */
#ifndef HIDLINK_H
#define HIDLINK_H

#ifdef __cplusplus
extern "C" {
#endif

#if defined(HIDLINK_BUILDING)
#define HIDLINK_API __attribute__((visibility("default")))
#else
#define HIDLINK_API
#endif

enum {
    HIDLINK_MAX_DEVICES = 129,
    HIDLINK_RECORD_SIZE = 844,
    HIDLINK_STATE_SIZE = 513, /* the read buffer; bytes 0..511 are buttons 1..512 */
    HIDLINK_MAX_BUTTONS = 512,

    /* The only flags value DetectHID accepts: the record layout above. */
    HIDLINK_DETECT_FLAGS = 4,

    /* Record fields the caller reads. */
    HIDLINK_OFFSET_BUTTONS = 4,      /* int16: number of buttons, 0..512 */
    HIDLINK_OFFSET_ID = 43,          /* identifier bytes, then the five suffix bytes */
    HIDLINK_ID_CAPACITY = 257,       /* bytes 43..299 */
    HIDLINK_OFFSET_ID_LENGTH = 300,  /* int32: identifier length including the suffix */
    HIDLINK_ID_SUFFIX_LENGTH = 5,    /* "#" and four hexadecimal digits: changes per detection */
    HIDLINK_OFFSET_NAME = 304,       /* name bytes, Windows-1252 */
    HIDLINK_NAME_CAPACITY = 256,     /* bytes 304..559 */
    HIDLINK_OFFSET_NAME_LENGTH = 560 /* int32: name length */
};

/* ReadInputData results. */
enum {
    HIDLINK_NEW_DATA = 2,     /* the buffer holds the next button state */
    HIDLINK_NO_CHANGE = 3,    /* nothing new since the previous call; the buffer is untouched */
    HIDLINK_READ_FAILURE = 4, /* this read failed; the board may recover */
    HIDLINK_GONE = 5          /* the board is unplugged or the record is not an open board */
};

/* Detects the attached boards into `records` and writes their number to `*count`.
 * Returns that number; 0 means nothing was found (or `flags` is not HIDLINK_DETECT_FLAGS). */
HIDLINK_API short DetectHID(short* count, void* records, int flags);

/* Reads one board; `buffer` has HIDLINK_STATE_SIZE bytes, a nonzero byte is a pressed button.
 * `flags` is 0. Returns one of the results above. */
HIDLINK_API int ReadInputData(void* record, unsigned char* buffer, int flags);

/* Releases the first `count` boards of the table. Always returns 0. */
HIDLINK_API short CloseDevices(short count, void* records);

#ifdef __cplusplus
}
#endif

#endif /* HIDLINK_H */
