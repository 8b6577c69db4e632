/*
 * Glimmerbox picture plug-ins: the interface between the program and a picture
 * decoder built as a shared object named "*.spi".
 *
 * A plug-in exports these five functions by name (plain C linkage):
 *
 *   GetPluginInfo   what the plug-in is and which files it reads
 *   IsSupported     whether it reads a given file
 *   GetPictureInfo  the size and depth of a picture
 *   GetPicture      the picture as a device-independent bitmap
 *   GetPreview      a smaller picture for thumbnails (optional)
 *
 * Texts are zero-terminated byte strings in code page 932 (file names included).
 * Memory that GetPicture and GetPreview return is allocated by the plug-in with
 * malloc() and released by the program with free().
 */
#ifndef GLIMMERBOX_PICTURE_PLUGIN_H
#define GLIMMERBOX_PICTURE_PLUGIN_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define SPI_EXPORT __attribute__((visibility("default")))

/* Results. */
enum {
    SPI_SUCCESS = 0,
    SPI_NOT_IMPLEMENTED = -1,
    SPI_ABORTED = 1,          /* the progress function asked to stop */
    SPI_UNKNOWN_FORMAT = 2,
    SPI_BROKEN_DATA = 3,
    SPI_NO_MEMORY = 4,
    SPI_MEMORY_ERROR = 5,
    SPI_FILE_READ_ERROR = 6,
    SPI_RESERVED = 7,
    SPI_INTERNAL_ERROR = 8
};

/* Where the picture comes from (the low bits of the `flag` arguments). */
enum {
    SPI_INPUT_FILE = 0,   /* `source` is a file name, `length` the offset of the picture in it */
    SPI_INPUT_MEMORY = 1  /* `source` is the address of the picture, `length` its byte count */
};

#pragma pack(push, 1)

/* The size and depth of a picture. */
typedef struct SpiPictureInfo {
    int32_t left, top;     /* where the picture is placed (usually 0, 0) */
    int32_t width, height; /* pixels */
    uint16_t x_density;    /* dots per metre, 0 when unknown */
    uint16_t y_density;
    int16_t colorDepth;    /* bits per pixel */
    char* info;            /* text information allocated with malloc(), or NULL */
} SpiPictureInfo;

/* The bitmap information block of GetPicture and GetPreview: this 40-byte header,
 * followed by `colorsUsed` (or 2^bitCount when 0 and bitCount <= 8) colour entries of
 * four bytes (blue, green, red, 0). The pixel block holds the rows bottom row first,
 * each row padded to a multiple of 4 bytes; 24-bit pixels are blue, green, red. */
typedef struct SpiBitmapInfoHeader {
    uint32_t size;          /* 40 */
    int32_t width;
    int32_t height;         /* positive: bottom row first */
    uint16_t planes;        /* 1 */
    uint16_t bitCount;      /* 1, 4, 8, 24 or 32 */
    uint32_t compression;   /* 0: none */
    uint32_t sizeImage;
    int32_t xPelsPerMeter;
    int32_t yPelsPerMeter;
    uint32_t colorsUsed;
    uint32_t colorsImportant;
} SpiBitmapInfoHeader;

#pragma pack(pop)

/* Called now and then while a picture is decoded; a non-zero result stops it. */
typedef int32_t (*SpiProgress)(int32_t done, int32_t total, intptr_t data);

/* infoNumber 0: the interface version, four characters: "00IN" reads pictures, a
 *   third character "A" marks an archive reader and "X" an exporter, a fourth "M"
 *   a file with several pictures;
 * 1: the plug-in's name; 2k + 2: the file patterns of format k ("*.png;*.apng");
 * 2k + 3: the description of format k. Writes at most `bufferLength` bytes, the
 * terminating zero included when there is room for it (the program asks for the version
 * with a buffer of exactly 4 bytes), and returns the number of text bytes written (0
 * when infoNumber is past the end). */
SPI_EXPORT int32_t GetPluginInfo(int32_t infoNumber, char* buffer, int32_t bufferLength);

/* `head` is either an open file descriptor of the file (a value below 65536) or the
 * address of a buffer with the file's first 2048 bytes. Non-zero when supported. */
SPI_EXPORT int32_t IsSupported(const char* fileName, intptr_t head);

SPI_EXPORT int32_t GetPictureInfo(const char* source, intptr_t length, uint32_t flag, SpiPictureInfo* info);

/* On success *bitmapInfo receives the information block and *pixels the pixel block,
 * both from malloc(). */
SPI_EXPORT int32_t GetPicture(const char* source, intptr_t length, uint32_t flag, void** bitmapInfo,
                              void** pixels, SpiProgress progress, intptr_t data);

SPI_EXPORT int32_t GetPreview(const char* source, intptr_t length, uint32_t flag, void** bitmapInfo,
                              void** pixels, SpiProgress progress, intptr_t data);

/* The function types, for a program that binds them at run time. */
typedef int32_t (*GetPluginInfoFunction)(int32_t, char*, int32_t);
typedef int32_t (*IsSupportedFunction)(const char*, intptr_t);
typedef int32_t (*GetPictureInfoFunction)(const char*, intptr_t, uint32_t, SpiPictureInfo*);
typedef int32_t (*GetPictureFunction)(const char*, intptr_t, uint32_t, void**, void**, SpiProgress, intptr_t);

#ifdef __cplusplus
}
#endif

#endif
