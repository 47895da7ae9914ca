# The tools built from the registry beside the modules: the catalog every tool takes its
# declarations from (the script generator registry_gen links it too), the registration command
# and the writer of the function reference.
add_library(brindle_catalog STATIC ${CMAKE_SOURCE_DIR}/tools/catalog.cpp ${CMAKE_SOURCE_DIR}/tools/scripts.cpp
  ${CMAKE_SOURCE_DIR}/tools/reference.cpp)
target_include_directories(brindle_catalog PUBLIC ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tools ${BRINDLE_GENERATED})
set_source_files_properties(${CMAKE_SOURCE_DIR}/tools/catalog.cpp PROPERTIES OBJECT_DEPENDS "${BRINDLE_DEF_FILES}")

add_executable(reference_gen ${CMAKE_SOURCE_DIR}/tools/reference_main.cpp)
target_link_libraries(reference_gen PRIVATE brindle_catalog)

find_library(BRINDLE_FBCLIENT fbclient REQUIRED PATHS /usr/lib/x86_64-linux-gnu)
add_executable(brindle-register ${CMAKE_SOURCE_DIR}/tools/brindle_register.cpp)
target_link_libraries(brindle-register PRIVATE brindle_catalog ${BRINDLE_FBCLIENT})

# The reference is committed in docs/; the build writes a fresh one beside it and a test
# fails when the two differ (copy the fresh one over to update it).
set(BRINDLE_REFERENCE ${BRINDLE_GENERATED}/functions.md)
add_custom_command(OUTPUT ${BRINDLE_REFERENCE}
  COMMAND reference_gen ${BRINDLE_REFERENCE}
  DEPENDS reference_gen
  COMMENT "Writing the function reference from the registry"
  VERBATIM)
add_custom_target(brindle_reference ALL DEPENDS ${BRINDLE_REFERENCE})
