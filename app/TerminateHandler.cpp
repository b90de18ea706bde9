// How the program ends on an exception nobody catches: at once, as abort ends it.
#include <cxxabi.h>

#include <cstdlib>

// The runtime's own handler of this name prints the exception's type to standard error, which a
// program without a console does not have, and for that links the whole C++ demangler, a tenth
// of the program. Defined here, the runtime's is never linked.
namespace __gnu_cxx {

void __verbose_terminate_handler() {
    std::abort();
}

} // namespace __gnu_cxx
