// What an exception that nothing catches does: the process ends at once
// (abort), as with the system compiler's runtime.
//
// The GNU C++ runtime's default handler would first print the exception's
// demangled type name to the standard error output, which a GUI module does
// not have; it links the runtime's whole demangler and its printf into every
// module (about a tenth of each). A handler of that name defined in the
// module keeps the runtime's own out of the link. Linked into each module
// as an object, not from a static library: the runtime asks for the name
// only after the project's libraries have been searched. Other runtimes
// have no such handler, and this file builds nothing for them.
#include <cstdlib>

#if defined(__GLIBCXX__)
namespace __gnu_cxx {
void __verbose_terminate_handler()
{
    std::abort();
}
} // namespace __gnu_cxx
#endif
