#include "tests/support/registry_tree.h"

LONG DeleteTree(HKEY root, const std::string& path)
{
    HKEY key;
    LONG result = RegOpenKeyExA(root, path.c_str(), 0, KEY_ALL_ACCESS, &key);
    if (result != ERROR_SUCCESS)
        return result;
    char name[256];
    DWORD length = sizeof name;
    while (result == ERROR_SUCCESS &&
           RegEnumKeyExA(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
        result = DeleteTree(root, path + "\\" + name);
        length = sizeof name;
    }
    RegCloseKey(key);
    return result == ERROR_SUCCESS ? RegDeleteKeyA(root, path.c_str()) : result;
}
