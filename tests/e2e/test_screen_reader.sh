#!/usr/bin/env bash
# Orca works the program by keyboard alone (the mercury by mouse), on a desktop and a speech server
# of its own whose only voice writes down what it is given: after each step's keys, what the table
# names is heard exactly once. With all three windows open, screen_reader.py checks their controls.
. "$(dirname "$0")/lib.sh"
own_accessibility_bus
need orca speech-dispatcher
[ -x /usr/lib/speech-dispatcher-modules/sd_generic ] || skip "speech-dispatcher's generic module is missing"
start_xserver && start_window_manager
mkdir -p "$WORK/speech/modules" && touch "$WORK/spoken"
printf '%s\n' 'AddModule "log" "sd_generic" "log.conf"' 'DefaultModule log' 'AudioOutputMethod "libao"' \
  >"$WORK/speech/speechd.conf"
printf '%s\n' "GenericExecuteSynth \"printf '%s\\\\n' '\$DATA' >>$WORK/spoken\"" \
  'GenericLanguage "en" "en" "utf-8"' 'AddVoice "en" "MALE1" "log"' >"$WORK/speech/modules/log.conf"
speech-dispatcher -s -t 0 -C "$WORK/speech" -L "$WORK" &>/dev/null & PIDS+=" $!"
GSETTINGS_BACKEND=memory orca -r -u "$WORK/orca" --debug-file "$WORK/orca.log" &>/dev/null & PIDS+=" $!"
retry 300 grep -q "Screen reader on" "$WORK/spoken" || skip "Orca never spoke"
start_app QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LC_ALL=en_US.UTF-8
# Keys (or a drag), then what is heard once and what is never heard (extended regular expressions).
STEPS=(
  "Tab Tab Tab|^'From' temperature value text"
  "1 0 0 Tab space|^100\.00 °F \(37\.78 °C\) on a scale from 0 to 1,000 °F"
  "5 minus Tab space|^Please enter a valid number|on a scale"
  "Return|^'From' temperature value text|on a scale"
  "shift+Tab shift+Tab shift+Tab|^Thermometer slider"
  "Up|110\.00 °F \(43\.33 °C\) on a scale"
  "Up|^120$"
  "Tab Tab|^Decimal Places editable combo box"
  "Down|^Convert value to 3 decimal places"
  "space|^120\.000 °F \(48\.889 °C\)"
  "Tab Tab Tab space|^Caldorine - Useful Temperatures +frame"
  "Down Down Down Tab|^Temperatures"
  "Down|^Foods cooked in microwave"
  "Down|^170\.000 °F \(76\.667 °C\)"
  "F1|^About Caldorine frame"
  "Escape|^Caldorine - Useful Temperatures +frame"
  "shift+Tab|^Categories"
  "Home|^About °F and °C\.$"
  "Tab|^About °F and °C read only text"
  "Escape|^Caldorine frame"
  "drag 153 150 0 -30|^notification [0-9.,]+ °F \([-0-9.,]+ °C\) on a scale"
)
said() { tail -n +$((from + 1)) "$WORK/spoken"; }
heard() { said | grep -qE "$once"; }
# Orca has said something since line $from, and nothing more for a second.
quiet() {
  local n && n=$(wc -l <"$WORK/spoken") && sleep 1 && [ "$n" -gt "$from" ] && [ "$n" = "$(wc -l <"$WORK/spoken")" ]
}
faults=
for step in "${STEPS[@]}"; do
  IFS='|' read -r keys once never <<<"$step"
  from=$(wc -l <"$WORK/spoken")
  if [[ $keys == drag* ]]; then $keys; else xdotool key --delay 250 $keys; fi
  retry 100 heard
  retry 20 quiet
  printf '== %s\n%s\n' "$keys" "$(said)"
  [ "$(said | grep -cE "$once")" = 1 ] || faults+=$'\n'"after $keys, not heard once: $once"
  [ -z "$never" ] || ! said | grep -qE "$never" || faults+=$'\n'"after $keys, heard: $never"
  [ "$keys" != F1 ] || /usr/bin/python3 "$(dirname "$0")/screen_reader.py" || faults+=$'\n'"screen_reader.py"
done
[ -z "$faults" ] || fail "$faults"
xdotool key alt+F4
expect_clean_exit "the window manager's close"
