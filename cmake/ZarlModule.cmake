# zarl_module(<target> <folder> [deps...]): a static library of every .cpp in <folder>,
# or an interface library while the folder has no sources yet.
function(zarl_module target folder)
  file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp)
  if(sources)
    add_library(${target} STATIC ${sources})
    target_link_libraries(${target} PUBLIC ${ARGN})
    set_target_properties(${target} PROPERTIES POSITION_INDEPENDENT_CODE ON)
  else()
    add_library(${target} INTERFACE)
    target_link_libraries(${target} INTERFACE ${ARGN})
  endif()
endfunction()

# zarl_stats_dll_beside(<target>): keeps a copy of the freshly built Stats.dll next to the
# Windows program <target> (built in the current binary folder), which loads it from there.
# The copy is remade whenever the DLL changes, not only when <target> relinks.
function(zarl_stats_dll_beside target)
  set(copy ${CMAKE_CURRENT_BINARY_DIR}/Stats.dll)
  add_custom_command(OUTPUT ${copy}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Stats> ${copy}
    DEPENDS Stats $<TARGET_FILE:Stats>
    COMMENT "Stats.dll beside ${target}")
  add_custom_target(${target}_stats_dll ALL DEPENDS ${copy})
  add_dependencies(${target} ${target}_stats_dll)
endfunction()
