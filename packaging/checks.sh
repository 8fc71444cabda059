# What the package checks share: each failure is printed and counted, and the check ends
# with the count.   . "$(dirname "$0")/checks.sh"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok:   $*"; }
finish() { # finish WHAT SUCCESS: exits 1 naming how many WHAT checks failed, else says SUCCESS
  if [ "$failures" -gt 0 ]; then
    echo "$failures $1 check(s) failed"
    exit 1
  fi
  echo "$2"
}
