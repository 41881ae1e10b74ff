// The languages the game speaks, and its resources in a language of the test's choosing.
#include "support/Languages.h"
#include <algorithm>

std::string LanguageTestName(const ::testing::TestParamInfo<Language>& info) {
    std::string name = info.param.tag;
    std::replace(name.begin(), name.end(), '-', '_');  // a test name holds letters, digits and underscores
    return name;
}

const void* ResourceIn(LANGID language, LPCWSTR type, UINT id) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceExW(module, type, MAKEINTRESOURCEW(id), language);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    return loaded ? LockResource(loaded) : nullptr;
}

std::wstring StringIn(LANGID language, UINT id) {
    // Strings are kept sixteen to a block: each a length, then that many characters.
    const auto* block = static_cast<const wchar_t*>(ResourceIn(language, StringResource, id / 16 + 1));
    if (block == nullptr) return std::wstring();
    for (UINT i = 0; i < id % 16; ++i) block += 1 + *block;
    return std::wstring(block + 1, *block);
}
