# Address and undefined-behaviour sanitizers for the test build. Undefined behaviour
# aborts the test instead of printing and going on, so a fault cannot pass unnoticed.
add_library(textreader_sanitizers INTERFACE)
if(TEXTREADER_SANITIZE)
  set(_san -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  if(TEXTREADER_FUZZ AND CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    list(APPEND _san -fsanitize=fuzzer-no-link)
  endif()
  target_compile_options(textreader_sanitizers INTERFACE ${_san})
  target_link_options(textreader_sanitizers INTERFACE -fsanitize=address,undefined)
endif()
