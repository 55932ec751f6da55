#!/usr/bin/env bash
# Builds Kova and runs every test (CTest; window tests use the offscreen platform).
#   --sanitize  builds into build-sanitize/ with AddressSanitizer and UndefinedBehaviorSanitizer
#               (a debug build, so assertions are live too) and runs every test there; the
#               first error stops the test that hit it. A developer's check, not part of CI.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

if [ "${1:-}" = "--sanitize" ]; then
  "$root/scripts/setup.sh"
  # GCC leaves the float checks out of "undefined": NaN or a huge value cast to int is
  # undefined, and a division by zero means a guard is missing. Library assertions check bounds.
  flags="-fsanitize=address,undefined,float-cast-overflow,float-divide-by-zero -fno-sanitize-recover=all"
  flags+=" -fno-omit-frame-pointer -D_GLIBCXX_ASSERTIONS"
  launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S "$root" -B "$root/build-sanitize" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKOVA_PARTS=all \
    "${launcher[@]}" -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
  # Qt and the system libraries under it are not instrumented: their own start-up allocations
  # that live until exit are not leaks of ours (scripts/sanitize/lsan.supp).
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
  export LSAN_OPTIONS="suppressions=$root/scripts/sanitize/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
  # The build runs the database builder, so the options apply to it as well.
  cmake --build "$root/build-sanitize" -j"$(nproc)"
  cd "$root/build-sanitize"
  QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 --timeout 600
  exit
fi

"$root/scripts/build.sh"
cd "$root/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 --timeout 300
