// How the game ends on a C++ runtime error: at once. Nothing in the program catches an exception, so the
// runtime's way (build the error's message text, throw, find no handler, print the type's demangled name,
// abort) ends the same way, but it brings a string library and a name demangler of a third of the game's size.
#include <cstdlib>

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

namespace std {
void __throw_length_error(const char*) { std::abort(); }
void __throw_bad_alloc() { std::abort(); }
void __throw_bad_array_new_length() { std::abort(); }
void __throw_bad_function_call() { std::abort(); }
void __throw_out_of_range_fmt(const char*, ...) { std::abort(); }
void __throw_logic_error(const char*) { std::abort(); }
}  // namespace std
