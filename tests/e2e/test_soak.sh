#!/usr/bin/env bash
# A short soak: the seeded monkey of scripts/soak drives the program under openbox for a few hundred
# random actions, checking it as it goes; on a failure the end of its log shows the actions before.
. "$(dirname "$0")/lib.sh"
"$(dirname "$0")/../../scripts/soak" --seed "${CALDORINE_SOAK_SEED:-1}" --log "$WORK/soak.log" \
  --check-every 100 "$app" "${CALDORINE_SOAK_ACTIONS:-300}"
status=$?
[ $status -ne 1 ] || tail -20 "$WORK/soak.log"
exit $status
