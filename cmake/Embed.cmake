# vorla_embed(<out.cpp> <symbol> <input>) generates a C++ source that holds the
# input file's bytes as `extern const unsigned char <symbol>[]` and
# `extern const std::size_t <symbol>_size`.
set(VORLA_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/embed_file.cmake)

function(vorla_embed out symbol input)
    add_custom_command(
        OUTPUT ${out}
        COMMAND ${CMAKE_COMMAND} -DINPUT=${input} -DOUTPUT=${out} -DSYMBOL=${symbol}
                -P ${VORLA_EMBED_SCRIPT}
        DEPENDS ${input} ${VORLA_EMBED_SCRIPT}
        COMMENT "Embedding ${input}"
        VERBATIM)
endfunction()
