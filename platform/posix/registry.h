// Native build: the registry functions, with the Windows signatures, return
// codes and size rules, over a persistent store of text files (see
// registry_store.h for where it lives and how it is kept whole).
//
// Three roots are served: HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER, each a
// store file of its own, and HKEY_CLASSES_ROOT, which is the key
// "Software\Classes" of HKEY_LOCAL_MACHINE (as Wine maps it). Other
// predefined keys give ERROR_INVALID_HANDLE.
//
// Key and value names are matched without regard to ASCII case (bytes 0x80
// and above must match exactly) and keep the spelling they were created
// with. Subkeys are enumerated in the order of their names folded to lower
// case, byte by byte, a shorter name before a longer one it begins.
//
// A key handle names a key path. When the key is deleted while a handle is
// open, every use of the handle except RegCloseKey fails with
// ERROR_KEY_DELETED until a key of that path exists again; a key created
// again at the same path (by any process) is then reached through the old
// handle, where Windows would keep reporting the deletion.
//
// Access masks are checked as Wine checks them: reading values needs
// KEY_QUERY_VALUE, setting and deleting values KEY_SET_VALUE, enumerating
// KEY_ENUMERATE_SUB_KEYS; opening, creating and deleting subkeys needs no
// right on the handle. KEY_WOW64_64KEY and KEY_WOW64_32KEY are accepted and
// change nothing: the native store has one view. REG_OPTION_VOLATILE is
// accepted and the key is kept like any other. Keys carry no class and no
// time of last change: RegEnumKeyExA gives an empty class and a zero time.
#pragma once

#include "platform/posix/errors.h"
#include "platform/posix/types.h"

typedef LONG LSTATUS;

// Declared only: the registry functions take them by pointer, and the stand-in
// that needs their members defines them (a FILETIME is two DWORDs).
struct FILETIME;
typedef FILETIME* PFILETIME;
struct SECURITY_ATTRIBUTES;
typedef SECURITY_ATTRIBUTES* LPSECURITY_ATTRIBUTES;

#ifndef ERROR_BAD_PATHNAME
#define ERROR_BAD_PATHNAME 161L
#endif
#ifndef ERROR_NOACCESS
#define ERROR_NOACCESS 998L
#endif

#define HKEY_CLASSES_ROOT (reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG_PTR>(-0x7FFFFFFF - 1))))
#define HKEY_CURRENT_USER (reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG_PTR>(-0x7FFFFFFF))))
#define HKEY_LOCAL_MACHINE (reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG_PTR>(-0x7FFFFFFE))))

#ifndef DELETE
#define DELETE 0x00010000L
#endif
#ifndef READ_CONTROL
#define READ_CONTROL 0x00020000L
#endif
#ifndef SYNCHRONIZE
#define SYNCHRONIZE 0x00100000L
#endif
#ifndef STANDARD_RIGHTS_READ
#define STANDARD_RIGHTS_READ READ_CONTROL
#endif
#ifndef STANDARD_RIGHTS_WRITE
#define STANDARD_RIGHTS_WRITE READ_CONTROL
#endif
#ifndef STANDARD_RIGHTS_ALL
#define STANDARD_RIGHTS_ALL 0x001F0000L
#endif
#ifndef MAXIMUM_ALLOWED
#define MAXIMUM_ALLOWED 0x02000000L
#endif

#define KEY_QUERY_VALUE 0x0001
#define KEY_SET_VALUE 0x0002
#define KEY_CREATE_SUB_KEY 0x0004
#define KEY_ENUMERATE_SUB_KEYS 0x0008
#define KEY_NOTIFY 0x0010
#define KEY_CREATE_LINK 0x0020
#define KEY_WOW64_64KEY 0x0100
#define KEY_WOW64_32KEY 0x0200
#define KEY_WOW64_RES 0x0300
#define KEY_READ 0x20019
#define KEY_EXECUTE KEY_READ
#define KEY_WRITE 0x20006
#define KEY_ALL_ACCESS 0xF003F

#define REG_NONE 0
#define REG_SZ 1
#define REG_EXPAND_SZ 2
#define REG_BINARY 3
#define REG_DWORD 4
#define REG_DWORD_LITTLE_ENDIAN 4
#define REG_DWORD_BIG_ENDIAN 5
#define REG_LINK 6
#define REG_MULTI_SZ 7
#define REG_QWORD 11
#define REG_QWORD_LITTLE_ENDIAN 11

#define REG_OPTION_RESERVED 0x0000
#define REG_OPTION_NON_VOLATILE 0x0000
#define REG_OPTION_VOLATILE 0x0001
#define REG_OPTION_CREATE_LINK 0x0002
#define REG_OPTION_BACKUP_RESTORE 0x0004
#define REG_OPTION_OPEN_LINK 0x0008

#define REG_CREATED_NEW_KEY 0x0001
#define REG_OPENED_EXISTING_KEY 0x0002

LSTATUS RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD ulOptions, REGSAM samDesired, PHKEY phkResult);
LSTATUS RegCreateKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD Reserved, LPSTR lpClass, DWORD dwOptions,
                        REGSAM samDesired, const LPSECURITY_ATTRIBUTES lpSecurityAttributes, PHKEY phkResult,
                        LPDWORD lpdwDisposition);
LSTATUS RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData,
                         LPDWORD lpcbData);
LSTATUS RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD Reserved, DWORD dwType, const BYTE* lpData,
                       DWORD cbData);
LSTATUS RegDeleteValueA(HKEY hKey, LPCSTR lpValueName);
LSTATUS RegDeleteKeyA(HKEY hKey, LPCSTR lpSubKey);
LSTATUS RegEnumKeyExA(HKEY hKey, DWORD dwIndex, LPSTR lpName, LPDWORD lpcchName, LPDWORD lpReserved,
                      LPSTR lpClass, LPDWORD lpcchClass, PFILETIME lpftLastWriteTime);
LSTATUS RegCloseKey(HKEY hKey);
