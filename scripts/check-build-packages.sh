#!/usr/bin/env bash
# Checks that a freshly configured build uses nothing that scripts/install-deps.sh does not install.
#
#   scripts/check-build-packages.sh BUILD_DIR [PACKAGE...]
#
# Reads BUILD_DIR/CMakeCache.txt: every CMake package configuration that was found (the *_DIR entries,
# Qt modules pulled in by other Qt modules included), the compilers, the make program and the libraries
# found through pkg-config. Looks up the Debian package owning each (dpkg -S) and fails, naming each
# package, when the list of install-deps.sh (or the PACKAGEs given) brings it in neither directly nor
# through hard Depends. A build machine that has a package from earlier work passes the build but fails
# every new user; this finds such a package in a second, without network.
set -euo pipefail

if [ $# -lt 1 ] || [ ! -f "$1/CMakeCache.txt" ]; then
  echo "usage: $0 BUILD_DIR [PACKAGE...]  (BUILD_DIR must hold a CMakeCache.txt)" >&2
  exit 2
fi
cache="$1/CMakeCache.txt"
shift
if [ $# -gt 0 ]; then
  listed=("$@")
else
  mapfile -t listed < <("$(dirname "$0")/install-deps.sh" --list)
fi

# name<TAB>path of everything the build took from the system.
used=$(
  sed -n \
    -e 's/^\([A-Za-z0-9_]*_DIR\):PATH=\(\/.*\)$/\1\t\2/p' \
    -e 's/^\(CMAKE_C_COMPILER\|CMAKE_CXX_COMPILER\|CMAKE_MAKE_PROGRAM\):FILEPATH=\(\/.*\)$/\1\t\2/p' \
    -e 's/^\(pkgcfg_lib_[A-Za-z0-9_]*\):FILEPATH=\(\/.*\)$/\1\t\2/p' "$cache"
)

# The file that stands for each entry: a configuration folder's own Config file, a program's real file.
declare -A var_of=()
files=()
while IFS=$'\t' read -r var path; do
  [ -n "$path" ] || continue
  if [ -d "$path" ]; then
    name=${var%_DIR}
    lower=$(tr '[:upper:]' '[:lower:]' <<<"$name")
    config=""
    for c in "$path/${name}Config.cmake" "$path/${lower}-config.cmake"; do
      [ -f "$c" ] && config=$c && break
    done
    [ -n "$config" ] || continue
    path=$config
  elif [ -e "$path" ]; then
    path=$(readlink -f "$path")
  else
    continue
  fi
  var_of[$path]=$var
  files+=("$path")
done <<<"$used"

# Owners in one dpkg call; with merged /usr a file may be registered below /lib instead of /usr/lib.
declare -A owner_of=()
owners_of_files() {
  dpkg -S "$@" 2>/dev/null | grep -v '^diversion' | sed -n 's/^\(.*\): \(\/.*\)$/\2\t\1/p' || true
}
while IFS=$'\t' read -r path owners; do
  # "pkg1:amd64, pkg2" -> one owner a line; any of them will do.
  [ -n "$path" ] && owner_of[$path]=$(tr ',' '\n' <<<"$owners" | sed 's/^ *//; s/:.*$//')
done < <([ ${#files[@]} -eq 0 ] || owners_of_files "${files[@]}")
unowned=()
for path in "${files[@]}"; do
  [ -n "${owner_of[$path]:-}" ] && continue
  other=${path#/usr}
  line=$(owners_of_files "$other" | head -n 1)
  if [ -n "$line" ]; then
    owner_of[$path]=$(cut -f2 <<<"$line" | tr ',' '\n' | sed 's/^ *//; s/:.*$//')
  else
    unowned+=("${var_of[$path]}=$path")
  fi
done

# Everything the list installs: the packages themselves and whatever they hard-depend on, recursively.
declare -A provided=()
while read -r name; do
  provided[$name]=1
done < <(
  apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks --no-replaces \
    --no-enhances "${listed[@]}" 2>/dev/null |
    sed -n -e 's/^[ |]*\(Pre\)\{0,1\}Depends: <\{0,1\}\([^ >]*\)>\{0,1\}$/\2/p' -e 's/^\([^ <][^ ]*\)$/\1/p' |
    sed 's/:.*$//'
)
for p in "${listed[@]}"; do provided[$p]=1; done

declare -A missing=()
for path in "${!owner_of[@]}"; do
  ok=0
  while read -r o; do
    [ -n "${provided[$o]:-}" ] && ok=1
  done <<<"${owner_of[$path]}"
  if [ "$ok" -eq 0 ]; then
    o=$(head -n 1 <<<"${owner_of[$path]}")
    missing[$o]+="    ${var_of[$path]} = $path"$'\n'
  fi
done

for entry in "${unowned[@]}"; do
  echo "note: ${entry%%=*} (${entry#*=}) belongs to no Debian package; a fresh machine will not have it" >&2
done
if [ ${#missing[@]} -gt 0 ]; then
  {
    echo "The build uses packages that scripts/install-deps.sh does not install (it installs no Recommends):"
    for o in $(printf '%s\n' "${!missing[@]}" | sort); do
      echo "  $o, for:"
      printf '%s' "${missing[$o]}"
    done
    echo "Add them to the list in scripts/install-deps.sh."
  } >&2
  exit 1
fi
echo "build packages: all $(wc -l <<<"$used") found by CMake come from scripts/install-deps.sh"
