#!/usr/bin/env bash
# Installs, through apt-get, only the packages this project needs that the machine lacks.
# 32-bit Wine (wine32:i386) runs the shipping DLL's tests; it needs the i386 architecture.
# When the mirror cannot serve it, the reason is written to build/wine32-unavailable and
# the windows-i686 test run reports itself as skipped instead of failing.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake ninja-build g++ g++-multilib clang libclang-rt-14-dev
  libgtest-dev googletest libbenchmark-dev
  mingw-w64 g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  wine wine64 xvfb x11-apps imagemagick fonts-wqy-zenhei
  libxml2-dev libpugixml-dev binutils locales procps
  # 32-bit iconv modules (GBK) and qemu-i386 for kernels that cannot run i386 programs.
  libc6-i386 qemu-user
)

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

updated=0
apt_update() {
  [ "$updated" -eq 1 ] || $SUDO apt-get update -qq
  updated=1
}

missing=()
for p in "${packages[@]}"; do
  installed "$p" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "install-deps: installing ${missing[*]}"
  apt_update
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine reads program arguments in the Unix locale's character set and takes its ANSI code
# page (936) from the locale's name: zh_CN.UTF-8 gives both, once it is generated.
if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
  echo "install-deps: generating the zh_CN.UTF-8 locale"
  $SUDO localedef -i zh_CN -c -f UTF-8 zh_CN.UTF-8 || echo "install-deps: could not generate zh_CN.UTF-8"
fi

# 32-bit Wine: a failure here only marks the i686 test run as skipped.
marker=build/wine32-unavailable
mkdir -p build
if installed wine32:i386; then
  rm -f "$marker"
else
  echo "install-deps: installing wine32:i386"
  dpkg --print-foreign-architectures | grep -qx i386 || { $SUDO dpkg --add-architecture i386; updated=0; }
  apt_update || true
  if log=$($SUDO apt-get install -y -qq --no-install-recommends wine32:i386 2>&1); then
    rm -f "$marker"
  else
    reason=$(grep -m1 -E '^E:' <<<"$log" || echo "apt-get install wine32:i386 failed")
    echo "$reason" > "$marker"
    echo "install-deps: 32-bit Wine unavailable: $reason"
  fi
fi
# pugixml's sources, for zrthost on targets Debian ships no pugixml library for (Windows,
# 32-bit Linux): Debian's source package, fetched through a private deb-src list so the
# machine's own apt sources stay as they are.
pugixml_source=/usr/local/src/pugixml
if [ ! -f "$pugixml_source/src/pugixml.cpp" ]; then
  echo "install-deps: fetching the pugixml source package"
  apt_dir=$(mktemp -d)
  trap 'rm -rf "$apt_dir"' EXIT
  mkdir -p "$apt_dir/lists/partial" "$apt_dir/download"
  suite=$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")
  printf 'deb-src http://deb.debian.org/debian %s main\n' "$suite" > "$apt_dir/sources.list"
  apt_options=(-o Dir::Etc::SourceList="$apt_dir/sources.list" -o Dir::Etc::SourceParts=/dev/null
               -o Dir::State::Lists="$apt_dir/lists" -o APT::Sandbox::User=root)
  if $SUDO apt-get "${apt_options[@]}" update -qq &&
     (cd "$apt_dir/download" && $SUDO apt-get "${apt_options[@]}" source --download-only -qq pugixml) >/dev/null &&
     $SUDO mkdir -p "$pugixml_source" &&
     $SUDO tar -xzf "$apt_dir"/download/pugixml_*.orig.tar.gz -C "$pugixml_source" --strip-components=1; then
    echo "install-deps: pugixml sources in $pugixml_source"
  else
    echo "install-deps: could not fetch the pugixml sources; zrthost is built for 64-bit Linux only"
  fi
fi
[ ${#missing[@]} -gt 0 ] || echo "install-deps: nothing else to install"
