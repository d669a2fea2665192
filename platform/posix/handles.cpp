#include "platform/posix/handles.h"

#include "platform/posix/errors.h"

#include <cstdlib>
#include <mutex>

namespace {

struct Slot {
    const HandleKind* kind; // null: free
    void* object;
};

// The table is process-wide by nature, like the handles it stands for.
struct Table {
    std::mutex lock;
    Slot* slots = nullptr;
    size_t capacity = 0;
};

Table& TheTable()
{
    static Table table;
    return table;
}

HANDLE ValueOf(size_t index)
{
    return reinterpret_cast<HANDLE>(static_cast<UINT_PTR>((index + 1) * 4));
}

// The slot index of a handle value, or capacity when it names none.
size_t IndexOf(const Table& table, HANDLE handle)
{
    const auto value = reinterpret_cast<UINT_PTR>(handle);
    if (value == 0 || value % 4 != 0)
        return table.capacity;
    const size_t index = value / 4 - 1;
    return index < table.capacity ? index : table.capacity;
}

bool Grow(Table& table)
{
    const size_t capacity = table.capacity ? table.capacity * 2 : 16;
    auto* slots = static_cast<Slot*>(std::realloc(table.slots, capacity * sizeof(Slot)));
    if (!slots)
        return false;
    for (size_t i = table.capacity; i < capacity; ++i)
        slots[i] = Slot{nullptr, nullptr};
    table.slots = slots;
    table.capacity = capacity;
    return true;
}

} // namespace

HANDLE RegisterHandle(const HandleKind* kind, void* object)
{
    Table& table = TheTable();
    std::lock_guard<std::mutex> guard(table.lock);
    size_t index = 0;
    while (index < table.capacity && table.slots[index].kind)
        ++index;
    if (index == table.capacity && !Grow(table)) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    table.slots[index] = Slot{kind, object};
    return ValueOf(index);
}

void* HandleObject(HANDLE handle, const HandleKind* kind)
{
    Table& table = TheTable();
    std::lock_guard<std::mutex> guard(table.lock);
    const size_t index = IndexOf(table, handle);
    if (index == table.capacity || table.slots[index].kind != kind) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return table.slots[index].object;
}

BOOL CloseHandle(HANDLE handle)
{
    Slot slot{nullptr, nullptr};
    {
        Table& table = TheTable();
        std::lock_guard<std::mutex> guard(table.lock);
        const size_t index = IndexOf(table, handle);
        if (index < table.capacity) {
            slot = table.slots[index];
            table.slots[index] = Slot{nullptr, nullptr};
        }
    }
    if (!slot.kind) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return slot.kind->close(slot.object);
}
