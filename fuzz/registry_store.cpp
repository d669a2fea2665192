// The native build's registry store: the input read as the text of a hive,
// directly and as the store file of a folder of its own.
//
// A text that reads goes round: written out and read again it gives the same
// text, and every key it holds is found by its path. The store reads the
// same tree from the file; a file that does not read is set aside under a
// name of its own and the hive reads as empty.
#include "fuzz_support.h"

#include "platform/posix/errors.h"
#include "platform/posix/registry_store.h"
#include "platform/posix/registry_text.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

const std::string& StoreFolder()
{
    static const std::string folder = [] {
        const std::string path = FuzzFolder() + "registry";
        std::error_code error;
        std::filesystem::create_directories(path, error);
        FuzzRequire(!error, "the store folder could not be made");
        setenv("VELOR_REGISTRY", path.c_str(), 1);
        return path;
    }();
    return folder;
}

// Every key is found by its path; the subkeys of the first few are counted
// (each look-up of a subkey walks the tree).
void CheckTree(const RegistryTree& tree)
{
    size_t keys = 0;
    for (const auto& entry : tree.Keys()) {
        const RegistryKey* found = tree.Find(entry.second.path);
        FuzzRequire(found == &entry.second, "a key of the tree is not found by its path");
        if (++keys > 16)
            continue;
        size_t count = 0;
        while (count < tree.Keys().size() && tree.Subkey(entry.second.path, count) != nullptr)
            ++count;
        FuzzRequire(count < tree.Keys().size(), "a key has more subkeys than the tree has other keys");
    }
}

// The files the store left beside the hive's file: those set aside.
int SetAsideFiles(const std::string& folder)
{
    int count = 0;
    std::error_code error;
    for (const auto& file : std::filesystem::directory_iterator(folder, error)) {
        if (file.path().filename().string().rfind("HKEY_CURRENT_USER.txt.malformed-", 0) == 0) {
            ++count;
            std::filesystem::remove(file.path(), error);
        }
    }
    return count;
}

void CheckStore(const std::string& text, bool reads, const std::string& written)
{
    const std::string& folder = StoreFolder();
    const std::string file = RegistryStoreFile(RegistryHive::CurrentUser);
    WriteFuzzFile(file, text);
    RegistryTree tree;
    FuzzRequire(RegistryLoad(RegistryHive::CurrentUser, tree) == ERROR_SUCCESS, "the hive does not load");
    const int setAside = SetAsideFiles(folder);
    if (reads) {
        FuzzRequire(RegistryToText(tree) == written, "the store reads another tree than its text gives");
        FuzzRequire(setAside == 0, "a store file that reads was set aside");
    } else {
        FuzzRequire(tree.Keys().size() == 1 && tree.Keys().begin()->second.values.empty(),
                    "a store file that does not read gives keys");
        FuzzRequire(setAside == 1, "a store file that does not read was not set aside");
    }
    std::error_code error;
    std::filesystem::remove(file, error);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    RegistryTree tree;
    const bool reads = RegistryFromText(text, tree);
    std::string written;
    if (reads) {
        CheckTree(tree);
        written = RegistryToText(tree);
        RegistryTree again;
        FuzzRequire(RegistryFromText(written, again), "a written store does not read back");
        FuzzRequire(RegistryToText(again) == written, "a written store reads back as another");
        CheckTree(again);
    }
    CheckStore(text, reads, written);
    return 0;
}
