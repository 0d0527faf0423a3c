/* The picture plug-in calling interface, shared by the host and by every
   plug-in: entry points with C linkage, the packed picture-information record
   and the local-memory functions of the shared runtime library. Plain C so that
   plug-ins need nothing but this header and the runtime. */
#pragma once

#include <stddef.h>
#include <stdint.h>
#if defined(_WIN32)
#include <windows.h>
#endif

#if defined(_WIN32)
#define SPI_CALL __stdcall
#define SPI_EXPORT __declspec(dllexport)
#define SPI_RUNTIME_API
#else
#define SPI_CALL
#define SPI_EXPORT __attribute__((visibility("default")))
#define SPI_RUNTIME_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

#if !defined(_WIN32)
/* A local-memory handle: a 32-bit number, never an address, so that it fits
   the picture-information record and the runtime can refuse handles it never
   gave out. 0 is no handle. */
typedef uint32_t HLOCAL;
typedef unsigned int UINT;

#define LMEM_FIXED 0x0000u
#define LMEM_MOVEABLE 0x0002u
#define LMEM_ZEROINIT 0x0040u
#define LHND (LMEM_MOVEABLE | LMEM_ZEROINIT)

/* Blocks are zero-filled with LMEM_ZEROINIT; 0 when out of memory. */
SPI_RUNTIME_API HLOCAL LocalAlloc(UINT flags, size_t bytes);
/* The block's address, or NULL for a handle the runtime does not know. */
SPI_RUNTIME_API void* LocalLock(HLOCAL handle);
/* Non-zero while the block stays locked. */
SPI_RUNTIME_API int LocalUnlock(HLOCAL handle);
/* 0 when freed; the handle itself when it was not a live handle. */
SPI_RUNTIME_API HLOCAL LocalFree(HLOCAL handle);
/* The block's size in bytes; 0 for a handle the runtime does not know. */
SPI_RUNTIME_API size_t LocalSize(HLOCAL handle);
/* Live blocks, for leak checks. */
SPI_RUNTIME_API size_t LocalBlockCount(void);
#endif

#if defined(_MSC_VER)
#pragma pack(push, 1)
#define SPI_PACKED
#else
#define SPI_PACKED __attribute__((packed))
#endif

/* What GetPictureInfo fills: 26 bytes without padding. */
struct SPI_PACKED SpiPictureInfo {
    int32_t left;
    int32_t top;
    int32_t width;
    int32_t height;
    uint16_t x_density;
    uint16_t y_density;
    int16_t colorDepth;
    uint32_t hInfo; /* local-memory handle of the plug-in's text, or 0 */
};

#if defined(_MSC_VER)
#pragma pack(pop)
#endif

/* Called by the plug-in while it decodes; non-zero asks it to cancel. */
typedef int(SPI_CALL* SpiProgressCallback)(int done, int total, intptr_t data);

typedef int(SPI_CALL* SpiGetPluginInfo)(int infoNumber, char* buffer, int bufferLength);
typedef int(SPI_CALL* SpiIsSupported)(const char* fileName, const void* firstBytes);
typedef int(SPI_CALL* SpiGetPictureInfo)(const char* buffer, long length, unsigned int flag,
                                         struct SpiPictureInfo* info);
typedef int(SPI_CALL* SpiGetPicture)(const char* buffer, long length, unsigned int flag,
                                     HLOCAL* bitmapInfo, HLOCAL* bits, SpiProgressCallback progress,
                                     intptr_t data);

/* GetPictureInfo and GetPicture: the buffer is the file image in memory. */
#define SPI_INPUT_MEMORY 1u

/* Results of the entry points. */
#define SPI_OK 0
#define SPI_NOT_IMPLEMENTED (-1)
#define SPI_ABORTED 1
#define SPI_UNKNOWN_FORMAT 2
#define SPI_BAD_DATA 3
#define SPI_NO_MEMORY 4

#ifdef __cplusplus
}
static_assert(sizeof(SpiPictureInfo) == 26, "the record is 26 bytes, packed");
static_assert(offsetof(SpiPictureInfo, hInfo) == 22, "the text handle follows the densities");
#else
_Static_assert(sizeof(struct SpiPictureInfo) == 26, "the record is 26 bytes, packed");
#endif
