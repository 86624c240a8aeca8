// Linked into the program only. libstdc++'s default terminate handler prints
// the uncaught exception's demangled type name, and its demangler alone is
// some 46 KB; a GUI program has nowhere to print it anyway.
#include <cstdlib>

#if defined(__GNUC__) && defined(__GLIBCXX__)

#include <cxxabi.h>

namespace __gnu_cxx {

void __verbose_terminate_handler()
{
    std::abort();
}

}  // namespace __gnu_cxx

#endif
