add_library(textreader_warnings INTERFACE)
target_compile_options(textreader_warnings INTERFACE -Wall -Wextra)
