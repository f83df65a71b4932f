#!/usr/bin/env bash
# A month of the clock in minutes: the real program runs under libfaketime
# with the clock going SPEED times as fast (1440, a day a minute, when not
# given) through 30 simulated days in TZ=Europe/Berlin. The first 15 days pass
# the change to summer time, then the clock jumps ahead and the next 15 days
# pass the change back. The timers run on the same clock, so the counter ticks
# once every simulated second, as it would in a month of real time; that keeps
# about one core busy.
#   scripts/soak.sh [SPEED]
# At the end the program must still run and answer, its resident memory must
# not have grown by more than 2 MiB over its size once the counter ran, and
# the counter, sampled by a probe preloaded into it, must never have gone
# backwards except through the repeated hour of the autumn change, where it
# shows the wall clock as a wall clock does. The samples are in build/soak/.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
speed="${1:-1440}"
half_days=15
margin_kib=2048

if [ -z "${CLEARWIND_SOAK_DISPLAY:-}" ]; then
  scripts/setup.sh
  CLEARWIND_TARGETS="Clearwind clearwind_probe" scripts/build.sh build > /dev/null
  export CLEARWIND_SOAK_DISPLAY=1 DBUS_SESSION_BUS_ADDRESS=disabled:
  exec xvfb-run -a -s "-screen 0 1280x900x24" "$0" "$@"
fi
unset QT_QPA_PLATFORM
libfaketime=$(dpkg -L libfaketime | grep '/libfaketime\.so\.1$' | head -n 1)
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"

out="$root/build/soak"
rm -rf "$out"
mkdir -p "$out/program"
cp "$root/build/Clearwind" "$out/program/"
cp -r "$root/build/data" "$out/program/"
rm -f "$out/program/data/coach/personal.rtf"
printf 'noword\r\n0' > "$out/program/data/settings/settings.dat"
stop_date=2026-03-15
stop_time=12:00:00
printf 'Ann\r\n20\r\neuro\r\n6.50\r\n%s\r\n%s\r\nYES\r\n' "$stop_date" "$stop_time" \
  > "$out/program/data/settings/data.dat"

# Each half starts a week before its change: 29 March 02:00 and 25 October 03:00.
clock="$out/clock"
echo "@2026-03-22 00:00:00 x$speed" > "$clock"
export TZ=Europe/Berlin FAKETIME_TIMESTAMP_FILE="$clock" FAKETIME_CACHE_DURATION=1
# A sample every simulated minute.
LD_PRELOAD="$libfaketime $root/build/benchmarks/libclearwind_probe.so" CLEARWIND_PROBE="press=cmdno sample=60000" \
  "$out/program/Clearwind" > "$out/samples" 2> "$out/program.log" &
pid=$!
trap 'kill "$pid" 2> /dev/null || true' EXIT
resident() { awk '$1 == "VmRSS:" { print $2 }' "/proc/$pid/status"; }

until grep -q '^pressed' "$out/samples"; do
  kill -0 "$pid"
  sleep 0.1
done
sleep 5 # past the first ticks of the companions
start_kib=$(resident)
half_seconds=$((half_days * 86400 / speed))
echo "Soaking: 2 x $half_days simulated days at ${speed}x, $((2 * half_seconds / 60)) minutes"
watch_memory() {
  local until=$((SECONDS + $1))
  while [ $SECONDS -lt $until ]; do
    sleep 10
    echo "$(date -u '+%H:%M:%S') $(resident)" >> "$out/resident"
  done
}
watch_memory "$half_seconds"
echo "@2026-10-18 00:00:00 x$speed" > "$clock"
watch_memory "$half_seconds"

# Still there, and still answering: the counter moves on within five seconds.
samples_before=$(wc -l < "$out/samples")
sleep 5
kill -0 "$pid" || { echo "The program is gone" >&2; exit 1; }
[ "$(wc -l < "$out/samples")" -gt "$samples_before" ] || { echo "The program no longer answers" >&2; exit 1; }
end_kib=$(resident)
kill "$pid"
wait "$pid" 2> /dev/null || true
trap - EXIT

# Every sample against the wall-clock distance from the stop moment (calendar
# days and times of day, as the counter counts), allowing five simulated minutes
# between a tick and the sample that saw it on a busy machine. An hour either way
# is allowed only right after a change, where the tick may fall on the other
# side of it; a step back only in the repeated hour of the autumn change.
failed=0
# The first sample may still show the captions from before the first tick.
grep '^counter' "$out/samples" | grep -v ' 00 00 00 00$' | TZ=UTC awk -v stop="$stop_date $stop_time" -v lag=300 '
  function wall(date, time) { gsub(/[-:]/, " ", date); gsub(/[-:]/, " ", time); return mktime(date " " time) }
  BEGIN { split(stop, s, " "); origin = wall(s[1], s[2]); bad = 0 }
  {
    shown = $5 * 86400 + $6 * 3600 + $7 * 60 + $8
    distance = wall($2, $3) - origin
    hour = substr($3, 1, 2) + 0
    after_spring = $2 == "2026-03-29" && hour == 3
    repeated_hour = $2 == "2026-10-25" && (hour == 2 || hour == 3) && $4 == 3600
    low = distance - lag - (after_spring ? 3600 : 0)
    high = distance + (repeated_hour ? 3600 : 0)
    if (shown < low || shown > high) {
      printf "counter %d s, wall clock %d s since the stop, at %s %s\n", shown, distance, $2, $3; bad = 1
    }
    if (NR > 1 && shown < last) {
      back++
      printf "the counter went back from %d to %d s at %s %s, UTC%+d\n", last, shown, $2, $3, $4 / 3600
      if (!repeated_hour || last - shown > 3600 + lag) bad = 1
    }
    if (NR > 1 && $4 > offset) spring++
    if (NR > 1 && $4 < offset) autumn++
    last = shown; offset = $4; samples++
  }
  END {
    printf "%d samples; summer time began %d and ended %d times; the counter stepped back %d times\n",
      samples, spring, autumn, back
    if (spring != 1 || autumn != 1) bad = 1
    exit bad
  }' | tee "$out/report" || failed=1
echo "Resident memory: $start_kib KiB once the counter ran, $end_kib KiB at the end" | tee -a "$out/report"
[ "$failed" -eq 0 ] || { echo "Soak failed: the counter" >&2; exit 1; }
[ "$end_kib" -le $((start_kib + margin_kib)) ] || { echo "Soak failed: memory grew" >&2; exit 1; }
echo "Soak passed"
