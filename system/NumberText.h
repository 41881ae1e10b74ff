// A number written out in decimal digits, as wide text.
#pragma once
#include <string>

// The runtime's own formatting: the standard library's would bring a second printf into the program.
std::wstring NumberText(int value);
