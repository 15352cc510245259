/*
 * Zelvo: the per-machine user profile and application data store shared by
 * desktop applications and their installers.
 *
 * A host talks to the library one text command at a time: a command word, a
 * parameter string of name="value" pairs separated by commas, and a buffer
 * for a short text answer. Every call returns a result code, 0 for success.
 * Any thread may call at any time; commands run one at a time.
 */
#ifndef ZELVO_H
#define ZELVO_H

#include <stdint.h>

#if defined(_WIN32)
#include <wchar.h>
#elif !defined(__cplusplus)
#include <uchar.h>
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* A UTF-16 code unit: wchar_t on Windows, char16_t elsewhere; ZELVO_TEXT
 * makes a string literal of them. */
#if defined(_WIN32)
typedef wchar_t zelvo_char16;
#define ZELVO_TEXT(text) L##text
#else
typedef char16_t zelvo_char16;
#define ZELVO_TEXT(text) u##text
#endif

/* The entry points are exported by their plain names; on Windows the caller
 * removes the arguments from the stack (cdecl). */
#if defined(_WIN32)
#if defined(ZELVO_BUILDING_LIBRARY)
#define ZELVO_EXPORT __declspec(dllexport)
#else
#define ZELVO_EXPORT __declspec(dllimport)
#endif
#define ZELVO_CALL __cdecl
#else
#define ZELVO_EXPORT __attribute__((visibility("default")))
#define ZELVO_CALL
#endif

/* The output buffer of a command holds this many units (bytes for the ANSI
 * entry), terminator included: an answer is at most 255 characters. */
#define ZELVO_OUTPUT_CAPACITY 256

/* Result codes. The numbers never change. A window command (LINK,
 * INFODISPLAY, DEBUGDISPLAY) returns the exit code of the desktop tool, which
 * may be any value. */
#define ZELVO_OK 0
#define ZELVO_CRYPTO_UNAVAILABLE 17  /* "Cannot access Crypto API" */
#define ZELVO_WRITE_FAILED 19        /* "Cannot write to Zelvo file" */
#define ZELVO_OPEN_FAILED 20         /* "Cannot open Zelvo file" */
#define ZELVO_READ_FAILED 21         /* "Cannot read from Zelvo file" */
#define ZELVO_BAD_DATA 22            /* "Bad Data" */
#define ZELVO_BAD_FILE_MODE 23       /* "Bad file mode" */
#define ZELVO_OUT_OF_MEMORY 24       /* "Out of memory" */
#define ZELVO_BAD_CHECKSUM 25        /* "Bad checksum in Zelvo data" */
#define ZELVO_UNKNOWN_ERROR 26       /* "Unknown error" */
#define ZELVO_INVALID_PARAMETERS 28  /* "Invalid parameters" */
#define ZELVO_ITEM_NOT_FOUND 32      /* "Item not found" */
#define ZELVO_UNKNOWN_COMMAND 37     /* "Unknown command" */
#define ZELVO_OFFLINE 42             /* "An Internet connection could not be established." */
#define ZELVO_TOOL_START_FAILED 43   /* "Error starting the ZelvoTool application." */
#define ZELVO_TOOL_ACCESS_DENIED 44  /* "Cannot start ZelvoTool, access denied." */
#define ZELVO_TOOL_NOT_FOUND 45      /* "Error starting the ZelvoTool application." */
#define ZELVO_MISSING_DATA_KEY 47    /* "Missing dataKey parameter" */
#define ZELVO_MISSING_DATA_STRING 48 /* "Missing dataString parameter" */

/*
 * Runs one command, in UTF-16.
 *
 * command:    the command word (UPDATEUSER, GETVALUE, DELUSER, ADDDATA,
 *             DELDATA, GETDATA, REBUILD, LINK, INFODISPLAY, DEBUGDISPLAY), in
 *             any letter case; zero-terminated.
 * parameters: the parameter string, for example
 *             datakey="Recent",datastring="a.prj"; may be empty;
 *             zero-terminated.
 * output:     a buffer of ZELVO_OUTPUT_CAPACITY units; receives the answer of
 *             GETDATA and GETVALUE, and the empty string for every other
 *             command that ends normally. Left as it was after result 26.
 *
 * Returns the result code; ZELVO_INVALID_PARAMETERS, touching nothing, when
 * any pointer is null.
 */
ZELVO_EXPORT int32_t ZELVO_CALL ZelvoCommandW(const zelvo_char16* command,
                                              const zelvo_char16* parameters, zelvo_char16* output);

/*
 * Runs one command, in the system ANSI code page on Windows, elsewhere in the
 * character set of the environment's locale (LC_CTYPE; UTF-8 under the plain
 * C locale).
 *
 * command:    at most 255 characters; zero-terminated.
 * parameters: at most 2047 characters; may be empty; zero-terminated.
 * output:     a buffer of ZELVO_OUTPUT_CAPACITY bytes; all of it is
 *             overwritten: the answer, cut between characters so that it fits
 *             with its terminator, then zeros. Characters the character set
 *             lacks become '?'. The empty string after result 26.
 *
 * Returns the result code; ZELVO_INVALID_PARAMETERS, touching nothing, when
 * any pointer is null, when the command or parameters are too long, or when
 * they are not valid text in the character set.
 */
ZELVO_EXPORT int32_t ZELVO_CALL ZelvoCommandA(const char* command, const char* parameters,
                                              char* output);

#ifdef __cplusplus
}
#endif

#endif /* ZELVO_H */
