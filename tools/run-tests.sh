#!/usr/bin/env bash
# Installs what is needed, checks the format of every source file, then builds (warnings as
# errors) and runs every test twice: in the normal build and in the
# AddressSanitizer + UndefinedBehaviorSanitizer build; runs the domain and window tests (the
# two-thread load and the searches among them) under ThreadSanitizer; then builds the Debian
# package, checks it with lintian, installs it for real, opens it through its menu entry, checks
# its file associations and removes it again; and runs each fuzz target for 30 seconds. clang-tidy runs over the
# sources with the checks of .clang-tidy after the normal build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
export QT_QPA_PLATFORM=offscreen
echo "== format =="
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror
for preset in debug asan; do
  echo "== $preset build =="
  cmake --preset "$preset" -DVANTOR_BUILD_TESTS=ON -DVANTOR_WERROR=ON
  cmake --build --preset "$preset"
  ctest --preset "$preset"
  if [ "$preset" = debug ]; then
    echo "== clang-tidy (.clang-tidy's checks, warnings as errors) =="
    run-clang-tidy -quiet -p build/debug -j "$(nproc)" "$PWD/src/" >build/debug/clang-tidy.log 2>&1 ||
      { grep -E "error:|warning:" build/debug/clang-tidy.log | sort -u; exit 1; }
  fi
done
echo "== ThreadSanitizer, domain and window tests =="
cmake --preset tsan -DVANTOR_BUILD_TESTS=ON -DVANTOR_WERROR=ON
cmake --build --preset tsan
TSAN_OPTIONS=halt_on_error=1 build/tsan/tests/domain_tests --gtest_brief=1
# Qt itself is not built with ThreadSanitizer: what it does inside its own locks is left to it.
TSAN_OPTIONS="halt_on_error=1 suppressions=$PWD/tests/tsan-qt.supp" QTEST_DISABLE_STACK_DUMP=1 \
  build/tsan/tests/viewer_tests -silent
echo "== Debian package =="
cmake --preset release -DVANTOR_BUILD_TESTS=OFF -DVANTOR_WERROR=ON
cmake --build --preset release
(cd build/release && rm -f vantor-viewer_*.deb && cpack -G DEB)
dpkg-deb --info build/release/vantor-viewer_*.deb
bash tests/install/check-package.sh build/release/vantor-viewer_*.deb
echo "== fuzz targets =="
bash tools/run-fuzz.sh 30
