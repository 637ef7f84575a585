# cmake -P ModuleSizeCeiling.cmake <module> <ceiling bytes> [<module> <ceiling bytes>]...
# Fails when a module is larger than its ceiling, naming its size.
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(i RANGE 3 ${last} 2)
  math(EXPR j "${i} + 1")
  set(module "${CMAKE_ARGV${i}}")
  set(ceiling "${CMAKE_ARGV${j}}")
  file(SIZE "${module}" bytes)
  if(bytes GREATER ceiling)
    message(SEND_ERROR "${module}: ${bytes} bytes, above the ceiling of ${ceiling} bytes")
  else()
    message(STATUS "${module}: ${bytes} bytes (ceiling ${ceiling})")
  endif()
endforeach()
