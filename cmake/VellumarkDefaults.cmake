# Settings every target of ours shares: C++17, warnings on, and narrow
# literals emitted in code page 936 from UTF-8 sources.
function(vellumark_target_defaults target)
    target_compile_features(${target} PRIVATE cxx_std_17)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        target_compile_options(${target} PRIVATE
            $<$<COMPILE_LANGUAGE:CXX,C>:-finput-charset=UTF-8 -fexec-charset=GBK>)
    endif()
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
endfunction()
