# Shared build helpers: one place for warnings, library and test registration.

function(pellavan_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                           -Wno-sign-conversion)
endfunction()

# pellavan_add_library(name [QT] SOURCES ... [DEPS ...] [PRIVATE_DEPS ...])
# Static library pellavan_<name> with alias pellavan::<name>; include root is src/.
# Libraries without QT cannot see Qt headers (pellavan_check_qt_free proves it at configure
# time): the layers below the windows stay Qt-free.
function(pellavan_add_library name)
  cmake_parse_arguments(L "QT" "" "SOURCES;DEPS;PRIVATE_DEPS" ${ARGN})
  set(target pellavan_${name})
  add_library(${target} STATIC ${L_SOURCES})
  add_library(pellavan::${name} ALIAS ${target})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${target} PUBLIC ${L_DEPS} PRIVATE ${L_PRIVATE_DEPS})
  pellavan_warnings(${target})
  if(L_QT)
    set_target_properties(${target} PROPERTIES AUTOMOC ON)
  else()
    set_property(GLOBAL APPEND PROPERTY PELLAVAN_QT_FREE_TARGETS ${target})
  endif()
endfunction()

# Stops the configuration when a library added without QT links Qt, directly or through
# another target: the engine, the model and the workbook filler stay free of Qt. Run once,
# after every library has been added.
function(pellavan_check_qt_free)
  get_property(qt_free GLOBAL PROPERTY PELLAVAN_QT_FREE_TARGETS)
  foreach(library IN LISTS qt_free)
    set(pending ${library})
    set(seen "")
    while(pending)
      list(POP_FRONT pending current)
      if(current IN_LIST seen)
        continue()
      endif()
      list(APPEND seen ${current})
      if(current MATCHES "^Qt[0-9]*::")
        message(FATAL_ERROR "${library} is built without Qt but links ${current}")
      endif()
      if(NOT TARGET ${current})
        continue()
      endif()
      get_target_property(aliased ${current} ALIASED_TARGET)
      if(aliased)
        list(APPEND pending ${aliased})
        continue()
      endif()
      get_target_property(imported ${current} IMPORTED)
      if(imported)
        continue()
      endif()
      get_target_property(links ${current} LINK_LIBRARIES)
      if(links)
        list(APPEND pending ${links})
      endif()
    endwhile()
  endforeach()
endfunction()

# pellavan_add_test(name [GUI] SOURCES ... [LIBS ...])
# One GoogleTest binary registered as one CTest. GUI tests run on the offscreen platform.
function(pellavan_add_test name)
  cmake_parse_arguments(T "GUI" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
  if(T_GUI)
    target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/gui_test_main.cpp)
    target_link_libraries(${name} PRIVATE Qt6::Widgets)
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests
                                           AUTOMOC ON)
  pellavan_warnings(${name})
  add_test(NAME ${name} COMMAND ${name})
  set(env "PELLAVAN_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data"
          "PELLAVAN_DATA_DIR=${PELLAVAN_DATA_DIR}")
  if(T_GUI)
    list(APPEND env "QT_QPA_PLATFORM=offscreen")
  endif()
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 600)
endfunction()

# pellavan_add_bench(name SOURCES ... [LIBS ...])
function(pellavan_add_bench name)
  cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${B_SOURCES})
  target_link_libraries(${name} PRIVATE ${B_LIBS} benchmark::benchmark benchmark::benchmark_main)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
  pellavan_warnings(${name})
endfunction()

# pellavan_embed_text(target VAR name FILES ...)
# Generates a source that holds the given text files as string constants, for built-in templates.
function(pellavan_embed_text out_var symbol)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${symbol}_embedded.cpp)
  # The file list travels with "|" between names: a ";" would split the command line.
  string(REPLACE ";" "|" files "${ARGN}")
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DOUT=${out} -DSYMBOL=${symbol} "-DFILES=${files}"
            -P ${PROJECT_SOURCE_DIR}/cmake/EmbedText.cmake
    DEPENDS ${ARGN} ${PROJECT_SOURCE_DIR}/cmake/EmbedText.cmake
    COMMENT "Embedding ${symbol}"
    VERBATIM)
  set(${out_var} ${out} PARENT_SCOPE)
endfunction()

# Adds every direct subdirectory that has a CMakeLists.txt, so that a new layer needs no edit here.
function(pellavan_add_subdirectories)
  file(GLOB children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
       ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT children)
  foreach(child IN LISTS children)
    if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${child}
       AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()
