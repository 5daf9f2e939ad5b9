# Sourced first: require_packages PACKAGE... ends the test as skipped (status 77) unless every
# package is installed.
require_packages() {
  local package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      { echo "$package is not installed"; exit 77; }
  done
}
