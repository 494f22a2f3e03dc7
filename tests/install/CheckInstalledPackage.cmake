# cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DWORK_DIR=... -P CheckInstalledPackage.cmake
function(run what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT code EQUAL 0)
    message(FATAL_ERROR "${what} failed (${code}):\n${out}\n${err}")
  endif()
  set(last_output "${out}" PARENT_SCOPE)
endfunction()

set(prefix ${WORK_DIR}/prefix)
file(REMOVE_RECURSE ${prefix})
run("cmake --install" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
foreach(installed include/zarvo_widgets/source/ModuleUnits.h include/zarvo_widgets/host/core/Result.h
                  share/zarvo_widgets/resources/modules/mvp_desktop2d_widgets.module)
  if(NOT EXISTS ${prefix}/${installed})
    message(FATAL_ERROR "The installation lacks ${installed}")
  endif()
endforeach()

# The README's first C++ block, compiled as it stands.
file(READ ${SOURCE_DIR}/README.md readme)
string(FIND "${readme}" "```cpp\n" begin)
if(begin EQUAL -1)
  message(FATAL_ERROR "README.md has no C++ example")
endif()
math(EXPR begin "${begin} + 7")
string(SUBSTRING "${readme}" ${begin} -1 rest)
string(FIND "${rest}" "```" end)
string(SUBSTRING "${rest}" 0 ${end} example)
file(WRITE ${WORK_DIR}/readme_example.cpp "${example}")

set(configure ${CMAKE_COMMAND} -S ${SOURCE_DIR}/examples/desktop_app -B ${WORK_DIR}/build -G ${GENERATOR}
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_CXX_COMPILER=${CXX_COMPILER}
    -DZARVO_README_EXAMPLE=${WORK_DIR}/readme_example.cpp)
if(COMPILER_LAUNCHER)
  list(APPEND configure -DCMAKE_CXX_COMPILER_LAUNCHER=${COMPILER_LAUNCHER})
endif()
if(SANITIZE)
  # The libraries were built with the sanitizers; a program linking them needs their runtime.
  list(APPEND configure "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined"
       "-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined")
endif()
run("configuring the example" ${configure})
run("building the example" ${CMAKE_COMMAND} --build ${WORK_DIR}/build)

# Run with the installed resources only: the variables point away from the source tree.
set(resources ${prefix}/share/zarvo_widgets/resources)
file(REMOVE ${WORK_DIR}/desktop_app.png ${WORK_DIR}/desktop_app_about.png)
run("running the example" ${CMAKE_COMMAND} -E env RESOURCE_DIR=${resources} ZARVO_MODULES_DIR=${resources}/modules
    ${WORK_DIR}/build/desktop_app --headless ${WORK_DIR}/desktop_app.png)
if(NOT EXISTS ${WORK_DIR}/desktop_app.png OR NOT EXISTS ${WORK_DIR}/desktop_app_about.png)
  message(FATAL_ERROR "The example did not draw its window and its about box:\n${last_output}")
endif()
if(NOT last_output MATCHES "about: closed")
  message(FATAL_ERROR "The example's about box did not run to its end:\n${last_output}")
endif()
message(STATUS "${last_output}")
