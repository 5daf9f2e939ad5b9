# Sourced: builds the .deb from the build folder above $PATHNAB_BIN into $deb and installs it
# with apt; remove_package purges it again. The package is installed system-wide, so one test
# run at a time on a machine: build_package waits for a lock held until the script ends.
# Needs fail().
package_sudo=()
[ "$(id -u)" -eq 0 ] || package_sudo=(sudo -n)
package_apt=("${package_sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900)

# The lock is held by a process of its own that ends with this script however it ends: a
# descriptor inherited by what the test started (a bus daemon that forked away, a program a
# time-out left behind) kept it for good once, and every later package test waited in vain.
take_package_lock() {
  local answer
  read -r answer < <(flock -w 900 /tmp/pathnab-package-test.lock sh -c 'echo locked; while ps -o stat= -p "$1" | grep -q "^[^Z]"; do sleep 0.5; done' sh $$) &&
    [ "$answer" = locked ]
}

build_package() {
  take_package_lock || fail "another test run keeps the package installed"
  package_lock_held=1
  (cd "$PATHNAB_BIN/.." && cpack -G DEB >/dev/null)
  deb=$(ls "$PATHNAB_BIN/.."/pathnab_*_"$(dpkg --print-architecture)".deb)
}

# Marks the package as a test's own from before its install until it is purged: a test ended
# by force (a time-out, the end of a run in a Debian root) leaves it installed, marked, and the
# next test takes it away; a package installed otherwise is left alone.
test_install_mark=/var/tmp/pathnab-package-test.installed

install_package() {
  if package_installed; then
    [ -e "$test_install_mark" ] || fail "pathnab is installed already; this test installs and removes it"
    echo "purging the pathnab package an earlier test left installed"
    purge_package || fail "the pathnab package an earlier test left installed could not be purged"
  fi
  "${package_sudo[@]}" touch "$test_install_mark"
  "${package_apt[@]}" install -y -qq --no-install-recommends "$deb" >/dev/null
}

package_installed() { dpkg-query -W -f='${Status}' pathnab 2>/dev/null | grep -q 'install ok installed'; }

purge_package() {
  "${package_apt[@]}" purge -y -qq pathnab >/dev/null 2>&1 && ! package_installed &&
    "${package_sudo[@]}" rm -f "$test_install_mark"
}

# Only while this script holds the lock: a script ended while it waited for the lock would
# otherwise take the package away from the test run that holds it.
remove_package() {
  [ -n "${package_lock_held:-}" ] || return 0
  purge_package || true
}
