/* Client library of the Telvane fax server: the calls telvdelegate makes.
 *
 * The real library is a closed Windows DLL (TELVWIN32.dll). Every call that
 * reports an outcome returns a 32-bit error code, 0 meaning success. Server
 * and list handles are 32-bit values; a server handle of 0 means no
 * connection. */
/* Laid out by hand in the library's C style, the record's columns lining up
 * with its offsets, and so kept out of the formatter's reach. */
/* clang-format off */
#ifndef TELVAPI_TELVWIN32_H_
#define TELVAPI_TELVWIN32_H_

#include <stddef.h>
#include <stdint.h>

/* The calling convention of every call and of the comparison function that
 * TelvListSort calls back. It matters on 32-bit x86 Windows only, the one
 * system with more than one: there the vendor's DLL is taken to use
 * __stdcall, as Windows' own DLLs do, unless the build defines TELVAPI_CDECL
 * for a DLL that uses __cdecl. A program and a DLL that disagree corrupt
 * the stack at the first call. */
#if defined(_WIN32) && !defined(_WIN64)
#ifdef TELVAPI_CDECL
#define TELVAPI_CALL __cdecl
#else
#define TELVAPI_CALL __stdcall
#endif
#else
#define TELVAPI_CALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* One delegation, as list elements hold it and as TelvSaveDelegate takes
 * it. Little-endian, packed, 1018 bytes. A user-ID field normally holds at
 * most 21 characters and a NUL, but a reader must not rely on the NUL. */
#pragma pack(push, 1)
typedef struct TelvDelegateRecord {
    uint32_t entryId;        /* offset 0: the server's key; 0 in a record to save */
    uint32_t typeCode;       /* offset 4  */
    char     delegator[22];  /* offset 8, NUL-terminated, at most 21 characters */
    char     delegate[22];   /* offset 30 */
    uint32_t masks[4];       /* offset 52, masks 1 to 4 */
    uint8_t  reserved[950];  /* offset 68 */
} TelvDelegateRecord;        /* 1018 bytes */
#pragma pack(pop)

#ifdef __cplusplus
static_assert(sizeof(TelvDelegateRecord) == 1018, "delegate record is 1018 bytes");
static_assert(offsetof(TelvDelegateRecord, delegator) == 8, "delegator at offset 8");
static_assert(offsetof(TelvDelegateRecord, delegate) == 30, "delegate at offset 30");
static_assert(offsetof(TelvDelegateRecord, masks) == 52, "masks at offset 52");
static_assert(offsetof(TelvDelegateRecord, reserved) == 68, "reserved at offset 68");
#else
_Static_assert(sizeof(TelvDelegateRecord) == 1018, "delegate record is 1018 bytes");
#endif

/* Size of the server-information block and where the server's own name
 * (NUL-terminated) stands in it. */
#define TELV_SERVER_INFO_SIZE 904
#define TELV_SERVER_INFO_NAME_OFFSET 12

/* Orders two list elements; the arguments point at TelvDelegateRecords. */
typedef int(TELVAPI_CALL *TelvCompareFn)(const void *a, const void *b);

/* Every call of the library, once: TELVAPI_CALLS(X) applies X to each, as
 * X(result type, name, parameter list, argument list). The declarations
 * below, the module definition the Windows DLL is linked with, the export
 * list of the emulated library and the tool's loader of the DLL are all
 * made from it, so a call is added or changed here alone.
 *
 * TelvGetAPIVersion: seconds since the epoch, UTC, naming the library's
 *   version.
 * TelvCreateServerHandle: a non-zero handle, or 0 with *error set.
 * TelvVersionCheck: 0 when the server's release is at least `release`.
 * TelvGetServerInfo2: fills a block of TELV_SERVER_INFO_SIZE bytes.
 * TelvStringTelvErr: writes the text of an error code into buffer, at most
 *   size bytes.
 * TelvGetDelegateList: user is a delegate's user ID, or NULL for every
 *   delegation of the server.
 * TelvListGetFirstElementPtr, TelvListGetNextElementPtr: 0 while an element
 *   is delivered, non-zero once the list is exhausted. Element pointers
 *   stay valid until the list is closed. */
#define TELVAPI_CALLS(X)                                                                       \
    X(uint32_t, TelvGetAPIVersion, (void), ())                                                 \
    X(uint32_t, TelvCreateServerHandle, (const char *server, int32_t mode, uint32_t *error),   \
      (server, mode, error))                                                                   \
    X(uint32_t, TelvVersionCheck, (uint32_t server, uint32_t release, uint32_t flags),         \
      (server, release, flags))                                                                \
    X(uint32_t, TelvGetServerInfo2, (uint32_t server, void *info), (server, info))             \
    X(void, TelvStringTelvErr, (uint32_t error, char *buffer, int32_t size),                   \
      (error, buffer, size))                                                                   \
    X(void, TelvCloseServerHandle, (uint32_t server), (server))                                \
    X(uint32_t, TelvGetDelegateList,                                                           \
      (uint32_t server, const char *user, uint32_t a, uint32_t b, uint32_t c, uint32_t *list), \
      (server, user, a, b, c, list))                                                           \
    X(uint32_t, TelvListSort, (uint32_t list, TelvCompareFn compare), (list, compare))         \
    X(uint32_t, TelvListGetFirstElementPtr, (uint32_t list, void **element), (list, element))  \
    X(uint32_t, TelvListGetNextElementPtr, (uint32_t list, void **element), (list, element))   \
    X(void, TelvCloseListHandle, (uint32_t list), (list))                                      \
    X(uint32_t, TelvDeleteDelegate, (uint32_t server, uint32_t entryId), (server, entryId))    \
    X(uint32_t, TelvSaveDelegate, (uint32_t server, TelvDelegateRecord *record),               \
      (server, record))

#define TELVAPI_DECLARE(result, name, parameters, arguments) result TELVAPI_CALL name parameters;
TELVAPI_CALLS(TELVAPI_DECLARE)
#undef TELVAPI_DECLARE

#ifdef __cplusplus
}
#endif

#endif /* TELVAPI_TELVWIN32_H_ */
