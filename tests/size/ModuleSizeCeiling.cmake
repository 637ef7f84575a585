# cmake -DCEILING=<bytes> -P ModuleSizeCeiling.cmake <module>...
# Fails when a module is larger than the ceiling, naming its size.
math(EXPR last "${CMAKE_ARGC} - 1")
set(failed FALSE)
foreach(i RANGE 4 ${last})
  set(module "${CMAKE_ARGV${i}}")
  file(SIZE "${module}" bytes)
  if(bytes GREATER CEILING)
    message(SEND_ERROR "${module}: ${bytes} bytes, above the ceiling of ${CEILING} bytes")
    set(failed TRUE)
  else()
    message(STATUS "${module}: ${bytes} bytes (ceiling ${CEILING})")
  endif()
endforeach()
