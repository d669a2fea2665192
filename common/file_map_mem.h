// A structure of type T in a named, page-file-backed mapping that processes
// share. The base class opens the mapping, or creates it when it does not
// exist yet, and maps all of it; the W class also builds the structure in
// place when this call was the one that created the mapping.
//
// kReadWrite: 1 maps for reading and writing, 0 for reading only.
// kGlobal: 1 names the object in the global namespace of the machine, 0 in
// the namespace of the logon session.
#pragma once

#include "platform/platform.h"

#include <string>

template <class T, int kReadWrite, int kGlobal>
class CMVFileMapMem {
public:
    explicit CMVFileMapMem(const char* name)
    {
        const std::string fullName = std::string(kGlobal ? "Global\\" : "") + name;
        const DWORD protect = kReadWrite ? PAGE_READWRITE : PAGE_READONLY;
        SetLastError(0);
        m_hMap = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, protect, 0,
                                    static_cast<DWORD>(sizeof(T)), fullName.c_str());
        if (!m_hMap)
            return;
        m_created = GetLastError() != ERROR_ALREADY_EXISTS;
        const DWORD access = kReadWrite ? FILE_MAP_ALL_ACCESS : FILE_MAP_READ;
        m_pData = static_cast<T*>(MapViewOfFile(m_hMap, access, 0, 0, 0));
    }

    virtual ~CMVFileMapMem()
    {
        if (m_pData)
            UnmapViewOfFile(m_pData);
        if (m_hMap)
            CloseHandle(m_hMap);
        m_pData = nullptr;
        m_hMap = nullptr;
    }

    CMVFileMapMem(const CMVFileMapMem&) = delete;
    CMVFileMapMem& operator=(const CMVFileMapMem&) = delete;

    HANDLE m_hMap = nullptr;
    T* m_pData = nullptr;

    // Whether this object created the mapping (its memory was new and zeroed).
    bool CreatedHere() const { return m_created && m_pData; }

private:
    bool m_created = false;
};

// Builds the structure in a mapping that this call created. The structure
// type provides the builder as a free function BuildShared(T&).
template <class T, int kReadWrite, int kGlobal>
class CMVFileMapMemW : public CMVFileMapMem<T, kReadWrite, kGlobal> {
public:
    explicit CMVFileMapMemW(const char* name) : CMVFileMapMem<T, kReadWrite, kGlobal>(name)
    {
        if (this->CreatedHere())
            BuildShared(*this->m_pData);
    }
};
