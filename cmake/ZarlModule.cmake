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
