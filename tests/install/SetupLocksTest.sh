#!/usr/bin/env bash
# The setup script waits for another package installation's lock instead of failing, and
# gives up with status 1 and its reason when the lock outlives the wait. The lock is a
# file of the test's, held by flock as dpkg holds its own.
set -u
setup=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
lock=$dir/lock-frontend
touch "$lock"
fail() { echo "FAIL: $*"; exit 1; }

# Free lock: no waiting, no line about it.
out=$(KOLIBRA_PACKAGE_LOCKS=$lock bash "$setup" --wait-for-locks 2>&1) || fail "free lock: status $?"
[[ -z "$out" ]] || fail "free lock: said '$out'"

# Held for 3 s: one line saying so, then success once it is released.
flock "$lock" sleep 3 &
sleep 0.5
out=$(KOLIBRA_PACKAGE_LOCKS=$lock bash "$setup" --wait-for-locks 2>&1) || fail "held lock: status $?"
wait
grep -q "another package installation is running; waiting for it to finish (up to 10 minutes)" <<<"$out" ||
  fail "held lock: no waiting line in '$out'"
grep -q "the other installation has finished" <<<"$out" || fail "held lock: no end line in '$out'"

# Held past the wait: status 1 and the reason.
flock "$lock" sleep 6 &
sleep 0.5
out=$(KOLIBRA_LOCK_WAIT=2 KOLIBRA_PACKAGE_LOCKS=$lock bash "$setup" --wait-for-locks 2>&1)
status=$?
kill %1 2>/dev/null
wait
((status == 1)) || fail "lock outliving the wait: status $status"
grep -q "did not finish in 2 seconds" <<<"$out" || fail "lock outliving the wait: said '$out'"
echo "setup waits for package locks: ok"
