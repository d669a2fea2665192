// The module's case table: the shared mapping "VelorShared_CTabVelkaMala",
// filled by the process that created it, or a private copy.
//
// Beside the table, a 4-byte mapping "VelorShared_CTabVelkaMala_Ready" tells
// how far its creator has got. Every process maps it before the table and
// keeps both as long as it keeps the table:
//   - the process that creates the table marks it "filling", fills it, then
//     marks it "ready";
//   - a process that opens an existing table waits until it is marked ready,
//     for a bounded time; if the creator never finishes (it died while
//     filling), the process makes a private copy;
//   - a table that stays unmarked for a short grace time was made by a module
//     that does not use the mark: it is taken as it stands, as such modules
//     take it, and marked ready.
// The table's layout is untouched by this.
#include "common/case_table.h"

#include "common/file_map_mem.h"

namespace {

const char kTableName[] = "VelorShared_CTabVelkaMala";
const char kReadyName[] = "VelorShared_CTabVelkaMala_Ready";
const LONG kUnmarked = 0;
const LONG kFilling = 0x4C4C4946; // "FILL"
const LONG kReady = 0x59444552;   // "REDY"
const DWORD kWaitLimitMs = 15000;
const DWORD kGraceMs = 250;
const DWORD kWaitStepMs = 5;

struct ReadyMark {
    LONG state;
};

// The private copy lives in zero-initialised static storage: making it
// cannot fail. It is filled once, when first needed.
CTabVelkaMala privateTable;
bool privateTableFilled = false;

const CTabVelkaMala* PrivateTable()
{
    if (!privateTableFilled) {
        FillCaseTable(privateTable);
        privateTableFilled = true;
    }
    return &privateTable;
}

LONG ReadMark(ReadyMark* mark)
{
    return InterlockedCompareExchange(&mark->state, 0, 0);
}

bool WaitUntilReady(ReadyMark* mark, unsigned long waitLimitMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD waited = GetTickCount() - start;
        const LONG state = ReadMark(mark);
        if (state == kReady)
            return true;
        if (state == kUnmarked && waited >= kGraceMs) {
            InterlockedCompareExchange(&mark->state, kReady, kUnmarked);
            return true;
        }
        if (waited > waitLimitMs)
            return false;
        Sleep(kWaitStepMs);
    }
}

// The ready mark of the mapping being opened, for BuildShared: the table's
// creator marks it "filling" before it starts.
ReadyMark* markBeingOpened = nullptr;

} // namespace

struct CaseTableMapping::Parts {
    Parts(const char* tableName, const char* readyName)
        : ready(readyName), mark(Remember(ready.m_pData)), table(tableName)
    {
        markBeingOpened = nullptr;
    }
    static ReadyMark* Remember(ReadyMark* m)
    {
        markBeingOpened = m;
        return m;
    }
    CMVFileMapMem<ReadyMark, 1, 0> ready;
    ReadyMark* mark;
    CMVFileMapMemW<CTabVelkaMala, 1, 0> table;
};

CaseTableMapping::CaseTableMapping(const char* tableName, const char* readyName, unsigned long waitLimitMs)
    : parts_(new Parts(tableName, readyName))
{
    CMVFileMapMemW<CTabVelkaMala, 1, 0>& table = parts_->table;
    ReadyMark* mark = parts_->mark;
    if (!table.m_pData) {
        usable_ = PrivateTable();
    } else if (table.CreatedHere()) {
        if (mark)
            InterlockedExchange(&mark->state, kReady);
        usable_ = table.m_pData;
    } else if (!mark || WaitUntilReady(mark, waitLimitMs)) {
        usable_ = table.m_pData;
    } else {
        usable_ = PrivateTable();
    }
}

CaseTableMapping::~CaseTableMapping()
{
    delete parts_;
}

bool CaseTableMapping::IsShared() const
{
    return usable_ == parts_->table.m_pData;
}

bool CaseTableMapping::CreatedHere() const
{
    return parts_->table.CreatedHere();
}

void BuildShared(CTabVelkaMala& table)
{
    if (markBeingOpened)
        InterlockedExchange(&markBeingOpened->state, kFilling);
    FillCaseTable(table);
}

const CTabVelkaMala* GetCaseTable()
{
    static const CaseTableMapping shared(kTableName, kReadyName, kWaitLimitMs);
    return shared.Table();
}
