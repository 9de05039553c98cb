# Installs the build into a fresh prefix, then configures, builds and runs the consumer project against it.
file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "failed (${result}): ${ARGN}\n${out}\n${err}")
    endif()
endfunction()

run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
foreach(required ${HEADERS}/zcorvanebase.h ${HEADERS}/frame/hostworker.h
        lib/cmake/${PACKAGE}/${PACKAGE}Config.cmake lib/cmake/${PACKAGE}/${PACKAGE}ConfigVersion.cmake)
    if(NOT EXISTS ${prefix}/${required})
        message(FATAL_ERROR "not installed: ${required}")
    endif()
endforeach()
file(GLOB_RECURSE private_headers ${prefix}/include/*_p.h)
if(private_headers)
    message(FATAL_ERROR "private headers installed: ${private_headers}")
endif()
run(${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${WORK_DIR}/build -DCMAKE_PREFIX_PATH=${prefix} -DZCB_PACKAGE=${PACKAGE})
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
run(${WORK_DIR}/build/consumer)

# The same program through pkg-config and the compiler alone.
find_program(PKG_CONFIG pkg-config)
find_program(CXX_COMPILER NAMES c++ g++ clang++)
if(PKG_CONFIG AND CXX_COMPILER)
    set(ENV{PKG_CONFIG_PATH} ${prefix}/lib/pkgconfig)
    execute_process(COMMAND ${PKG_CONFIG} --cflags --libs ${PACKAGE} RESULT_VARIABLE result
        OUTPUT_VARIABLE flags ERROR_VARIABLE err OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "pkg-config does not know ${PACKAGE}: ${err}")
    endif()
    separate_arguments(flags UNIX_COMMAND "${flags}")
    run(${CXX_COMPILER} -std=c++17 -fPIC -I${CONSUMER_DIR} ${CONSUMER_DIR}/plain.cpp -o ${WORK_DIR}/plain ${flags}
        -Wl,-rpath,${prefix}/lib)
    run(${WORK_DIR}/plain)
endif()
message(STATUS "the consumer built and ran against ${prefix}")
