# Settings every target of this project shares: the model's arithmetic is plain
# IEEE double with each operation rounded, so no fused multiply-add may be formed.
function(quorvel_target_defaults target)
    target_compile_features(${target} PUBLIC cxx_std_20)
    target_compile_options(${target} PRIVATE
        -ffp-contract=off
        $<$<BOOL:${QUORVEL_WARNINGS_AS_ERRORS}>:-Werror>
        -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
        -Wcast-align -Woverloaded-virtual -Wnull-dereference -Wdouble-promotion
        -Wimplicit-fallthrough)
endfunction()
