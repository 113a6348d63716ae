#!/usr/bin/env bash
# Installs what is missing, builds in Release and writes the Debian package
# build-package/orbelune_<version>_<arch>.deb with CPack's DEB generator.
#   bash scripts/package.sh           the package
#   bash scripts/package.sh --check   also what tests/package/package_check.sh runs on it
set -euo pipefail
cd "$(dirname "$0")/.."
# dpkg-shlibdeps (dpkg-dev) computes the dependencies from the program; CPack strips it with
# binutils and finds it with file. The check adds its validators and the X display.
needed=(dpkg-dev file binutils)
if [ "${1:-}" = "--check" ]; then
  needed+=(lintian desktop-file-utils appstream man-db xvfb openbox xdotool x11-utils)
fi
bash scripts/deps.sh "${needed[@]}"

# Built as Debian builds its packages: its optimisation and hardening flags (dpkg-buildflags),
# without debugging information since the program is stripped.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CXXFLAGS_MAINT_STRIP=-g
flags=(-DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
       -DCMAKE_CXX_FLAGS_RELEASE=-DNDEBUG
       -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)")
# Only the program is built: the package holds nothing else.
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DORBELUNE_BENCH=OFF \
  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON "${flags[@]}" "${launcher[@]}" > /dev/null
cmake --build build-package -j "$(nproc)" --target orbelune orbelune-docs
rm -f build-package/orbelune_*.deb
(cd build-package && cpack -G DEB > /dev/null)
ls build-package/orbelune_*.deb
