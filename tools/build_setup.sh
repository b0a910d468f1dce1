# What ./run, ./test and bench/run share before they build: the Debian packages, and build folders
# that a former generator made. Sourced, from the top of the checkout.

# What building and running the Linux program needs.
run_packages=(cmake g++ ninja-build qt6-base-dev libx11-dev libxtst-dev libxi-dev libxext-dev libxrandr-dev
              googletest libgtest-dev xvfb xauth openbox xdotool x11-utils imagemagick pkg-config
              libatspi2.0-dev libspeechd-dev)
# And what the whole build and every test need besides.
test_packages=("${run_packages[@]}" g++-mingw-w64-x86-64 wine64 python3 nsis lintian appstream man-db clang
               libclang-rt-dev libbenchmark-dev at-spi2-core libatk-adaptor dbus-x11 speech-dispatcher
               speech-dispatcher-espeak-ng pulseaudio pulseaudio-utils sox python3-gi gir1.2-gtk-3.0)
# And what bench/run needs besides: the charts.
bench_packages=("${test_packages[@]}" python3-matplotlib)

# Prints the packages given that are not installed, one a line.
missing_packages() {
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || echo "$p"
  done
}

install_packages() {
  DEBIAN_FRONTEND=noninteractive apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$@" >/dev/null
}

# A build folder made by another generator (earlier checkouts built with Make) is made anew.
remake_foreign_build_folders() {
  local preset cache
  for preset in "$@"; do
    cache=build/$preset/CMakeCache.txt
    if [ -f "$cache" ] && ! grep -qx 'CMAKE_GENERATOR:INTERNAL=Ninja' "$cache"; then rm -rf "build/$preset"; fi
  done
}
