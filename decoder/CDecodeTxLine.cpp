// The decoder object: construction, definitions and the small operations of
// its interface.
#include "decoder/CDecodeTxLine.h"

#include "common/case_table.h"
#include "common/text_keys.h"

namespace {

void* LocateDecoder(CDecodeTxLine* object)
{
    return static_cast<IVelorTrDcd*>(object);
}

} // namespace

const InterfaceEntry<CDecodeTxLine>* CDecodeTxLine::InterfaceTable()
{
    static const InterfaceEntry<CDecodeTxLine> table[] = {
        {&IID_IVelorTrDcd, &LocateDecoder, false},
        {nullptr, nullptr, false},
    };
    return table;
}

CDecodeTxLine::CDecodeTxLine(IUnknown* outer) : CComponent(outer)
{
}

CDecodeTxLine::~CDecodeTxLine() = default;

uint32_t CDecodeTxLine::ResetDefinitions()
{
    commentWords.clear();
    comments_.Clear();
    commands.clear();
    defaultCommand = nullptr;
    defaultIndex_ = -1;
    prefixStarts_.reset();
    keywordThreshold = 0;
    return 0;
}

uint32_t CDecodeTxLine::AddCommentWord(const char* word)
{
    commentWords.emplace_back(word);
    comments_.Add(word);
    return 0;
}

DecodeCommand* CDecodeTxLine::AppendCommand(const char* prefix, uint32_t id, uint32_t paramsOf, uint32_t* status)
{
    *status = 0;
    if (!prefix && defaultIndex_ >= 0) {
        *status = 1;
        return nullptr;
    }
    commands.emplace_back();
    DecodeCommand& command = commands.back();
    command.id = id;
    command.paramsOf = paramsOf;
    command.prefix = prefix;
    command.hasPrefix = !command.prefix.IsEmpty();
    command.prefixStart = static_cast<uint8_t>(textkeys::Upper(*GetCaseTable(), command.prefix.GetString()[0]));
    if (command.hasPrefix)
        prefixStarts_[command.prefixStart] = true;
    if (!prefix)
        defaultIndex_ = static_cast<long>(commands.size()) - 1;
    defaultCommand = defaultIndex_ >= 0 ? &commands[static_cast<size_t>(defaultIndex_)] : nullptr;
    return &command;
}

uint32_t CDecodeTxLine::AddCommand(const char* prefix, uint32_t id)
{
    uint32_t status = 0;
    AppendCommand(prefix, id, id, &status);
    return status;
}

uint32_t CDecodeTxLine::AddCommandSharingParams(const char* prefix, uint32_t id, uint32_t paramsOf)
{
    uint32_t status = 0;
    AppendCommand(prefix, id, paramsOf, &status);
    return status;
}

uint32_t CDecodeTxLine::AddParam(int32_t type, uint32_t keywordOnly, void* target, uint32_t* counter,
                                 const char* keyword)
{
    if (commands.empty())
        return 1;
    DecodeCommand& command = commands.back();
    command.params.emplace_back();
    DecodeParam& param = command.params.back();
    param.type = type;
    param.keywordOnly = keywordOnly;
    param.target = target;
    param.counter = counter;
    param.keyword = keyword;
    param.keyword.MakeUpper();
    // The positional list points into the parameters, which may have moved.
    command.positional.clear();
    command.positionalReady = false;
    return 0;
}

uint32_t CDecodeTxLine::GetYesNoValues(double* yes, double* no)
{
    if (yes)
        *yes = YES_VALUE;
    if (no)
        *no = NO_VALUE;
    return 0;
}

uint32_t CDecodeTxLine::EnableErrorMessages(int32_t on)
{
    showMessages = on != 0;
    return 0;
}
