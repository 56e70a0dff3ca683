# Compiler settings shared by every target: warnings, and ccache with paths
# made relative so that two checkouts share one cache.
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  add_compile_options(-Wall -Wextra -Wno-unused-parameter
                      "-fdebug-prefix-map=${CMAKE_SOURCE_DIR}=."
                      "-fdebug-prefix-map=${CMAKE_BINARY_DIR}=build")
endif()

find_program(VN_CCACHE ccache)
if(VN_CCACHE)
  set(CMAKE_CXX_COMPILER_LAUNCHER
      ${CMAKE_COMMAND} -E env CCACHE_BASEDIR=${CMAKE_SOURCE_DIR} CCACHE_NOHASHDIR=1
      ${VN_CCACHE})
endif()
