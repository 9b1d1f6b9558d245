#!/usr/bin/env bash
# port_boundary_test.sh SOURCE_DIR: the library reaches the host and the system only through its
# port, whose implementation lives in port/. No file under graphics/ may include a host/ header
# or a system header that calls the system directly, or call one of the system's functions
# itself; and host/ may include nothing of graphics/ or port/. The check is first run on planted
# files, so that a pattern which stopped matching would fail here rather than let everything
# pass.
set -euo pipefail

source_dir=$1

host_headers='#[[:space:]]*include[[:space:]]*"host/'
system_headers='#[[:space:]]*include[[:space:]]*<(unistd|fcntl|dlfcn|pthread|signal|dirent|termios|sys/[a-z_]+)\.h>|#[[:space:]]*include[[:space:]]*<csignal>'
# Names few programs give their own functions, called bare or qualified; and the common ones
# (open, write) only when qualified as the system's.
distinct_calls='(^|[^A-Za-z0-9_.>:])(::|std::)?(readlink|isatty|mkstemp|mkostemp|umask|fchmod|fsync|unlink|getpid|sigaction|fork|execv|execvp|dup2|getenv|setenv)[[:space:]]*\('
qualified_calls='(^|[^A-Za-z0-9_.>:])(::|std::)(signal|open|openat|read|write|close|chmod|pipe|raise)[[:space:]]*\('
system_calls="$distinct_calls|$qualified_calls"

# Prints the offending lines of the library's files under `root`; fails when there are any.
check() {
  local root=$1 found=0
  local files
  files=$(find "$root/graphics" -type f \( -name '*.h' -o -name '*.cpp' \) | sort)
  if [[ -n $files ]]; then
    # Comments may name the calls; code may not.
    local file
    for file in $files; do
      if sed -E 's://.*$::' "$file" | grep -nE "$host_headers|$system_headers|$system_calls" \
           | sed "s|^|${file#"$root"/}:|"; then
        found=1
      fi
    done
  fi
  if grep -rnE '#[[:space:]]*include[[:space:]]*"(graphics|port)/' "$root/host" 2>/dev/null; then
    found=1
  fi
  return $found
}

planted=$(mktemp -d)
trap 'rm -rf "$planted"' EXIT
mkdir -p "$planted/graphics/files" "$planted/graphics/platform/host" "$planted/port" \
  "$planted/host/text"
printf 'void f() {\n  // isatty( in a comment is fine\n  std::string s = reader.read();\n}\n' \
  >"$planted/graphics/files/clean.cpp"
printf '#include <unistd.h>\n#include "host/text/code_page.h"\nint f() { return ::isatty(0); }\n' \
  >"$planted/port/allowed.cpp"
check "$planted" >/dev/null || { echo "FAILED: clean planted files were refused" >&2; exit 1; }
# Every folder of graphics/ is checked, the port's headers and any folder below them too.
for place in graphics/files/bad.cpp graphics/platform/bad.h graphics/platform/host/bad.cpp; do
  for bad in '#include "host/surface/surface.h"' '#include <sys/stat.h>' 'mode_t m = ::umask(0);' \
             'int n = readlink(p, b, 9);' 'std::signal(SIGINT, SIG_IGN);' \
             'const int fd = ::open(name, 0);'; do
    printf '%s\n' "$bad" >"$planted/$place"
    if check "$planted" >/dev/null; then
      echo "FAILED: the check lets through in $place: $bad" >&2
      exit 1
    fi
  done
  rm "$planted/$place"
done
for up in '#include "graphics/kanvo.h"' '#include "port/host_values.h"'; do
  printf '%s\n' "$up" >"$planted/host/text/up.cpp"
  if check "$planted" >/dev/null; then
    echo "FAILED: the check lets host/ include what lies above it: $up" >&2
    exit 1
  fi
done

if ! check "$source_dir"; then
  echo "FAILED: the lines above cross the boundary of the port" >&2
  exit 1
fi
echo "graphics/ reaches the host and the system only through its port"
