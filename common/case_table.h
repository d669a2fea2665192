// The shared case table: upper- and lower-case maps, character classes,
// collation ranks and code-page maps for every narrow and every wide
// character, built once per logon session and shared by every process and
// module of the product through a named page-file mapping. Its layout is a
// shared-memory format: every offset below is bound.
#pragma once

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
struct CTabVelkaMala {
    uint8_t upperA[257];        // CharUpperA of each byte; [0] and [256] are 0
    uint16_t upperW[65537];     // CharUpperW of each code unit; [0] and [65536] are 0
    uint8_t lowerA[257];        // CharLowerA of each byte
    uint16_t lowerW[65537];     // CharLowerW of each code unit
    uint8_t classA[256];        // 0 letter, 1 digit, 0xFF other
    uint8_t reserved1[1];
    uint16_t classW[65536];     // 0 letter, 1 digit, 0xFFFF other
    uint8_t reserved2[2];
    uint8_t sortA[256];         // collation rank of each byte
    uint8_t reserved3[1];
    uint16_t sortW[65536];      // collation rank of each code unit
    uint8_t reserved4[2];
    uint8_t sortNoCaseA[256];   // sortA[upperA[c]]
    uint8_t reserved5[1];
    uint16_t sortNoCaseW[65536]; // sortW[upperW[w]]
    uint8_t reserved6[2];
    uint16_t ansiToWide[257];   // each byte in UTF-16, thread code page
    uint8_t wideToAnsi[65537];  // each code unit in the thread code page
    uint8_t letterGroupA[257];  // sort position of each byte's base letter
    uint8_t baseLetterA[257];   // each byte's base letter, in its own case
};
#pragma pack(pop)

static_assert(offsetof(CTabVelkaMala, upperA) == 0x00000, "layout");
static_assert(offsetof(CTabVelkaMala, upperW) == 0x00101, "layout");
static_assert(offsetof(CTabVelkaMala, lowerA) == 0x20103, "layout");
static_assert(offsetof(CTabVelkaMala, lowerW) == 0x20204, "layout");
static_assert(offsetof(CTabVelkaMala, classA) == 0x40206, "layout");
static_assert(offsetof(CTabVelkaMala, classW) == 0x40307, "layout");
static_assert(offsetof(CTabVelkaMala, sortA) == 0x60309, "layout");
static_assert(offsetof(CTabVelkaMala, sortW) == 0x6040A, "layout");
static_assert(offsetof(CTabVelkaMala, sortNoCaseA) == 0x8040C, "layout");
static_assert(offsetof(CTabVelkaMala, sortNoCaseW) == 0x8050D, "layout");
static_assert(offsetof(CTabVelkaMala, ansiToWide) == 0xA050F, "layout");
static_assert(offsetof(CTabVelkaMala, wideToAnsi) == 0xA0711, "layout");
static_assert(offsetof(CTabVelkaMala, letterGroupA) == 0xB0712, "layout");
static_assert(offsetof(CTabVelkaMala, baseLetterA) == 0xB0813, "layout");
static_assert(sizeof(CTabVelkaMala) == 723220, "layout");

// Fills a table in place from the platform's character services, in the
// order the shared format expects (maps, classes, letter groups, collation
// ranks, code-page maps). Only the creator of the shared table calls it, or a
// process that has to make a private copy.
void FillCaseTable(CTabVelkaMala& table);

// Fills the table in a shared mapping that the caller has just created.
void BuildShared(CTabVelkaMala& table);

// A case table in the named mappings tableName (the table) and readyName
// (a 4-byte mark by which the table's creator tells that it has finished
// filling it). The creator of the table fills it; a process that opens an
// existing table waits up to waitLimitMs for it to be ready, and falls back
// to a private copy when it is not, or when the mapping cannot be made.
class CaseTableMapping {
public:
    CaseTableMapping(const char* tableName, const char* readyName, unsigned long waitLimitMs);
    ~CaseTableMapping();
    CaseTableMapping(const CaseTableMapping&) = delete;
    CaseTableMapping& operator=(const CaseTableMapping&) = delete;

    const CTabVelkaMala* Table() const { return usable_; }
    bool IsShared() const;    // the table is the mapping's, not a private copy
    bool CreatedHere() const; // this object created (and filled) the mapping

private:
    struct Parts;
    Parts* parts_;
    const CTabVelkaMala* usable_ = nullptr;
};

// The table of this module: the shared one, or, when the shared mapping
// cannot be made or its creator never finishes filling it, a private copy
// built the same way. Never null.
const CTabVelkaMala* GetCaseTable();
