// Between the tests' UTF-8 texts and the game's UTF-16 ones.
#pragma once
#include <string>

std::wstring Wide(const std::string& text);
std::string Narrow(const std::wstring& text);
