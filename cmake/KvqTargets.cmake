# Common settings for every target of the project.

function(kvq_target_defaults target)
    if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
        target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-unused-parameter)
    endif()
endfunction()

if(KVQ_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

# Sources of a library: every .cpp/.h/.ui/.qrc below DIR, picked up again when files are added.
function(kvq_glob_sources out dir)
    file(GLOB_RECURSE files CONFIGURE_DEPENDS
        "${dir}/*.cpp" "${dir}/*.h" "${dir}/*.ui" "${dir}/*.qrc")
    set(${out} ${files} PARENT_SCOPE)
endfunction()
