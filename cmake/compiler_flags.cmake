# Compiler flags per compiler. The last digits of the calculations depend on the floating
# point rules: no fused multiply-add, no fast-math, on every compiler.
if(MSVC)
  add_compile_options(/W4 /fp:precise /utf-8 /permissive- /Zc:__cplusplus /EHsc /bigobj)
  # The C runtime's "secure" replacements are not portable; the calls it warns of are fine.
  add_compile_definitions(_CRT_SECURE_NO_WARNINGS)
elseif(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  add_compile_options(-Wall -Wextra -ffp-contract=off -fno-fast-math)
  # GCC 12 reports std::string built from literals at -O2 as overlapping copies (a known
  # false positive of -Wrestrict).
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    add_compile_options(-Wno-restrict)
  endif()
  if(MINGW)
    # Large test files exceed COFF's section count; the programs carry their runtime so
    # they start without MinGW's DLLs on the PATH.
    add_compile_options(-Wa,-mbig-obj)
    add_link_options(-static)
  endif()
endif()
if(WIN32)
  # Wide-character Win32 calls by default; no min/max macros over std::min and std::max.
  add_compile_definitions(UNICODE _UNICODE NOMINMAX)
endif()
