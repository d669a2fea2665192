#include "platform/posix/mapping.h"

#include "platform/posix/errors.h"
#include "platform/posix/handles.h"
#include "platform/posix/shared_memory.h"

#include <cstring>
#include <mutex>
#include <new>

#include <sys/mman.h>
#include <unistd.h>

using velor_native::kSharedMemoryNameSize;

namespace {

const uint64_t kViewGranularity = 65536;
const uint64_t kLargestSize = uint64_t(1) << 46; // beyond what any machine could commit

// What a mapping handle stands for: one use of the shared memory.
struct Mapping {
    int fd;
    uint64_t size;
    DWORD protect;
    char objectName[kSharedMemoryNameSize]; // empty for an unnamed mapping
};

// A mapped view. It keeps its memory when the mapping's handles are closed,
// but not the name: as on Windows, the name goes with the last handle.
struct View {
    char* base;
    size_t length;
    View* next;
};

struct Views {
    std::mutex lock;
    View* first = nullptr;
};

Views& TheViews()
{
    static Views views;
    return views;
}

BOOL CloseMapping(void* object)
{
    auto* mapping = static_cast<Mapping*>(object);
    velor_native::ReleaseSharedMemory(mapping->fd, mapping->objectName);
    delete mapping;
    return TRUE;
}

const HandleKind kMappingKind = {"file mapping", CloseMapping};

bool ValidProtection(DWORD protect)
{
    const DWORD page = protect & 0xFF;
    return page == PAGE_READONLY || page == PAGE_READWRITE || page == PAGE_WRITECOPY;
}

HANDLE Fail(DWORD error)
{
    SetLastError(error);
    return nullptr;
}

// Registers a use as a new handle; the last error tells whether the memory
// existed before.
HANDLE HandleFor(const velor_native::SharedMemoryUse& use, DWORD protect, const char* objectName)
{
    auto* mapping = new (std::nothrow) Mapping{use.fd, use.size, protect, {}};
    if (!mapping) {
        velor_native::ReleaseSharedMemory(use.fd, objectName);
        return Fail(ERROR_NOT_ENOUGH_MEMORY);
    }
    std::memcpy(mapping->objectName, objectName, sizeof mapping->objectName);
    HANDLE handle = RegisterHandle(&kMappingKind, mapping);
    if (!handle) {
        CloseMapping(mapping);
        return Fail(ERROR_NOT_ENOUGH_MEMORY);
    }
    SetLastError(use.existed ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
    return handle;
}

bool Writable(DWORD access)
{
    return (access & FILE_MAP_WRITE) != 0;
}

void AddView(View* view)
{
    Views& views = TheViews();
    std::lock_guard<std::mutex> guard(views.lock);
    view->next = views.first;
    views.first = view;
}

// Takes the view that contains address out of the list, or gives null.
View* TakeView(const char* address)
{
    Views& views = TheViews();
    std::lock_guard<std::mutex> guard(views.lock);
    for (View** link = &views.first; *link; link = &(*link)->next) {
        View* view = *link;
        if (address >= view->base && address < view->base + view->length) {
            *link = view->next;
            return view;
        }
    }
    return nullptr;
}

} // namespace

HANDLE CreateFileMappingA(HANDLE file, LPSECURITY_ATTRIBUTES, DWORD protect, DWORD maximumSizeHigh,
                          DWORD maximumSizeLow, LPCSTR name)
{
    if (file != INVALID_HANDLE_VALUE)
        return Fail(ERROR_INVALID_HANDLE);
    const uint64_t size = (static_cast<uint64_t>(maximumSizeHigh) << 32) | maximumSizeLow;
    if (size == 0 || !ValidProtection(protect))
        return Fail(ERROR_INVALID_PARAMETER);
    if (size > kLargestSize)
        return Fail(ERROR_NOT_ENOUGH_MEMORY);
    char objectName[kSharedMemoryNameSize] = {};
    if (name && *name && !velor_native::SharedMemoryName(name, objectName))
        return nullptr;
    const velor_native::SharedMemoryUse use = objectName[0]
                                                  ? velor_native::AcquireSharedMemory(objectName, size, true)
                                                  : velor_native::AcquireUnnamedMemory(size);
    if (use.fd < 0)
        return Fail(use.error);
    return HandleFor(use, protect, objectName);
}

HANDLE OpenFileMappingA(DWORD desiredAccess, BOOL, LPCSTR name)
{
    if (!name || !*name)
        return Fail(ERROR_INVALID_PARAMETER);
    char objectName[kSharedMemoryNameSize] = {};
    if (!velor_native::SharedMemoryName(name, objectName))
        return nullptr;
    const velor_native::SharedMemoryUse use = velor_native::AcquireSharedMemory(objectName, 0, false);
    if (use.fd < 0)
        return Fail(use.error);
    const DWORD protect = Writable(desiredAccess) ? PAGE_READWRITE : PAGE_READONLY;
    HANDLE handle = HandleFor(use, protect, objectName);
    if (handle)
        SetLastError(ERROR_SUCCESS);
    return handle;
}

LPVOID MapViewOfFile(HANDLE handle, DWORD desiredAccess, DWORD fileOffsetHigh, DWORD fileOffsetLow,
                     SIZE_T bytesToMap)
{
    auto* mapping = static_cast<Mapping*>(HandleObject(handle, &kMappingKind));
    if (!mapping)
        return nullptr;
    const uint64_t offset = (static_cast<uint64_t>(fileOffsetHigh) << 32) | fileOffsetLow;
    if (offset % kViewGranularity != 0)
        return Fail(ERROR_MAPPED_ALIGNMENT);
    if (offset >= mapping->size || bytesToMap > mapping->size - offset)
        return Fail(ERROR_ACCESS_DENIED);
    const bool copy = (desiredAccess & FILE_MAP_COPY) != 0 && !Writable(desiredAccess);
    if (Writable(desiredAccess) && (mapping->protect & 0xFF) != PAGE_READWRITE)
        return Fail(ERROR_ACCESS_DENIED);
    const size_t length = bytesToMap ? bytesToMap : static_cast<size_t>(mapping->size - offset);
    const int protection = Writable(desiredAccess) || copy ? PROT_READ | PROT_WRITE : PROT_READ;
    void* base = mmap(nullptr, length, protection, copy ? MAP_PRIVATE : MAP_SHARED, mapping->fd,
                      static_cast<off_t>(offset));
    if (base == MAP_FAILED)
        return Fail(ERROR_NOT_ENOUGH_MEMORY);
    auto* view = new (std::nothrow) View{static_cast<char*>(base), length, nullptr};
    if (!view) {
        munmap(base, length);
        return Fail(ERROR_NOT_ENOUGH_MEMORY);
    }
    AddView(view);
    return base;
}

BOOL UnmapViewOfFile(LPCVOID address)
{
    View* view = TakeView(static_cast<const char*>(address));
    if (!view) {
        SetLastError(ERROR_INVALID_ADDRESS);
        return FALSE;
    }
    munmap(view->base, view->length);
    delete view;
    return TRUE;
}
