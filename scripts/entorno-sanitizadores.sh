# Sourced by the sanitizer scripts: stop at the first report, with a stack.
# strict_string_checks stays off: libxkbcommon-x11 hands strndup() buffers without
# a NUL, which that check reports inside the system library.
export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
