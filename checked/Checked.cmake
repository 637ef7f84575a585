# The checked build (-DNEL_CHECKED=ON, its own build folder; see
# scripts/checked.sh): the whole tree built so that undefined behaviour and
# memory misuse stop the program instead of passing silently.
#
#   -fsanitize=undefined with -fsanitize-undefined-trap-on-error
#       signed overflow, shifts out of range, division by zero, null and
#       misaligned pointers, invalid bool and enum values, reaching
#       __builtin_unreachable: a trap (illegal instruction) at the spot,
#       with no run-time library to ship;
#   -fsanitize=bounds-strict
#       indexes outside an array whose size the compiler knows (local and
#       member arrays, trailing arrays of structures included);
#   -fstack-protector-strong
#       a write past a local array is found when its function returns;
#   _GLIBCXX_ASSERTIONS
#       the standard library's own checks (std::vector and std::string
#       indexes, front() of an empty container) abort the program;
#   checked/NelCheckedHeap.cpp
#       operator new and delete with a no-access page after every block
#       (the first 20000 blocks alive at once): reads and writes past a
#       block, double and wrong frees, writes after free (see that file).
#
# NEL_CHECKED is defined for the code, so a test can tell which build it
# runs in.
set(nel_checked_flags
  -fsanitize=undefined -fsanitize-undefined-trap-on-error -fsanitize=bounds-strict
  -fstack-protector-strong)
add_compile_options(${nel_checked_flags})
add_link_options(${nel_checked_flags})
add_compile_definitions(NEL_CHECKED _GLIBCXX_ASSERTIONS)

# Every target made after this point links the checked operator new and
# delete: an object library's objects are linked in whole, so they always
# take the place of the standard library's.
add_library(nel_checked_heap OBJECT ${CMAKE_CURRENT_LIST_DIR}/NelCheckedHeap.cpp)
link_libraries(nel_checked_heap)
