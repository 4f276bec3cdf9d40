# Warnings every target of ours compiles with.
add_library(varnick_warnings INTERFACE)
if(MSVC)
  target_compile_options(varnick_warnings INTERFACE /W4 /permissive- /utf-8)
else()
  target_compile_options(varnick_warnings INTERFACE -Wall -Wextra -Wshadow -Wnon-virtual-dtor -pedantic)
endif()
