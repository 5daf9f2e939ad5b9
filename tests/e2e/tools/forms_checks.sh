# Checks on what pathnab-forms printed. Source this file; set errors=FILE to where the run's
# standard error went. Failed checks are counted in $failures.
failures=0

#   pass_or_fail WHAT ACTUAL EXPECTED
pass_or_fail() {
  local what=$1 actual=$2 expected=$3
  if [ -s "$errors" ]; then
    echo "FAIL $what: pathnab-forms wrote to standard error: $(cat "$errors")" >&2
    failures=$((failures + 1))
  elif [ "$actual" = "$expected" ]; then
    echo "ok   $what -> $actual"
  else
    echo "FAIL $what -> '$actual', expected '$expected'" >&2
    failures=$((failures + 1))
  fi
}
