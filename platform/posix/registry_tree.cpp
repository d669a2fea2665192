#include "platform/posix/registry_tree.h"

#include <utility>

std::string RegistryFold(std::string_view text)
{
    std::string folded(text);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return folded;
}

bool RegistryNamesEqual(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

std::string_view RegistryKey::Name() const
{
    const size_t slash = path.rfind('\\');
    return slash == std::string::npos ? std::string_view(path) : std::string_view(path).substr(slash + 1);
}

const RegistryValue* RegistryKey::FindValue(std::string_view name) const
{
    for (const RegistryValue& value : values) {
        if (RegistryNamesEqual(value.name, name))
            return &value;
    }
    return nullptr;
}

void RegistryKey::SetValue(std::string_view name, DWORD type, std::string data)
{
    for (RegistryValue& value : values) {
        if (RegistryNamesEqual(value.name, name)) {
            value.type = type;
            value.data = std::move(data);
            return;
        }
    }
    values.push_back(RegistryValue{std::string(name), type, std::move(data)});
}

bool RegistryKey::DeleteValue(std::string_view name)
{
    for (auto it = values.begin(); it != values.end(); ++it) {
        if (RegistryNamesEqual(it->name, name)) {
            values.erase(it);
            return true;
        }
    }
    return false;
}

RegistryTree::RegistryTree()
{
    keys_.emplace(std::string(), RegistryKey{});
}

const RegistryKey* RegistryTree::Find(std::string_view path) const
{
    const auto it = keys_.find(RegistryFold(path));
    return it == keys_.end() ? nullptr : &it->second;
}

RegistryKey* RegistryTree::Find(std::string_view path)
{
    const auto it = keys_.find(RegistryFold(path));
    return it == keys_.end() ? nullptr : &it->second;
}

RegistryKey& RegistryTree::Create(std::string_view path, bool* created)
{
    *created = false;
    RegistryKey* key = &keys_.find(std::string())->second;
    size_t start = 0;
    while (start < path.size()) {
        size_t end = path.find('\\', start);
        if (end == std::string_view::npos)
            end = path.size();
        const std::string_view prefix = path.substr(0, end);
        auto [it, inserted] = keys_.try_emplace(RegistryFold(prefix));
        if (inserted) {
            const std::string_view name = path.substr(start, end - start);
            it->second.path = key->path.empty() ? std::string(name) : key->path + '\\' + std::string(name);
        }
        *created = inserted;
        key = &it->second;
        start = end + 1;
    }
    return *key;
}

namespace {

bool IsBelow(const std::string& folded, const std::string& prefix)
{
    return folded.size() > prefix.size() && folded.compare(0, prefix.size(), prefix) == 0;
}

} // namespace

RegistryDeleteResult RegistryTree::Delete(std::string_view path)
{
    if (path.empty())
        return RegistryDeleteResult::IsRoot;
    const std::string folded = RegistryFold(path);
    const auto it = keys_.find(folded);
    if (it == keys_.end())
        return RegistryDeleteResult::Missing;
    const std::string below = folded + '\\';
    const auto child = keys_.lower_bound(below);
    if (child != keys_.end() && child->first.compare(0, below.size(), below) == 0)
        return RegistryDeleteResult::HasSubkeys;
    keys_.erase(it);
    return RegistryDeleteResult::Deleted;
}

const RegistryKey* RegistryTree::Subkey(std::string_view path, size_t index) const
{
    const std::string prefix = path.empty() ? std::string() : RegistryFold(path) + '\\';
    auto it = keys_.lower_bound(prefix);
    if (prefix.empty())
        ++it;  // the root itself
    while (it != keys_.end() && IsBelow(it->first, prefix)) {
        const size_t slash = it->first.find('\\', prefix.size());
        if (slash != std::string::npos) {
            // A key further down: step over the whole branch of the subkey
            // it lies under (those paths go on with a backslash, and ']' is
            // the next character after it).
            it = keys_.lower_bound(it->first.substr(0, slash) + ']');
            continue;
        }
        if (index == 0)
            return &it->second;
        --index;
        ++it;
    }
    return nullptr;
}
