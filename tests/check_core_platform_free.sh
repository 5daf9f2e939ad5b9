#!/usr/bin/env bash
# Fails when a core source (a subsystem folder's own files, not its backends or views)
# includes anything but the standard library and the core's own headers, or chooses code by
# platform.
set -u
src=$1
bad=0
for sub in app pathforms settings about; do
  for f in "$src/$sub"/*.h "$src/$sub"/*.cpp; do
    [ -e "$f" ] || continue
    while IFS= read -r line; do
      echo "$f: $line"
      bad=1
    done < <(grep -nE '^\s*#\s*include\s*<' "$f" | grep -vE '<(algorithm|array|bit|cctype|cerrno|charconv|cmath|compare|concepts|cstddef|cstdint|cstdio|cstdlib|cstring|functional|iomanip|iterator|limits|map|memory|optional|set|span|sstream|string|string_view|system_error|tuple|type_traits|unordered_map|utility|variant|vector|ostream|iosfwd|numeric|chrono|initializer_list|stdexcept|cfloat)>')
    # Nor may it choose code by platform: that is CMake's choice of backend.
    while IFS= read -r line; do
      echo "$f: $line"
      bad=1
    done < <(grep -nE '^\s*#\s*(if|ifdef|ifndef|elif)\b.*(_WIN32|_WIN64|__linux__|__unix__|__APPLE__|__MINGW|_MSC_VER)' "$f")
  done
done
[ $bad -eq 0 ] && echo "core includes only the standard library and chooses no code by platform"
exit $bad
