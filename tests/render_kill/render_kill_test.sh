#!/usr/bin/env bash
# usage: render_kill_test.sh VERBSMITH TEMPLATES WORKDIR KILLS
set -euo pipefail
exe=$1 templates=$2 work=$3 kills=$4
export VERBSMITH_TEMPLATES=$templates
rm -rf "$work"
mkdir -p "$work"
target=$work/target

render_old() { "$exe" templates render --out "$target" --name Kill --project KillProj >/dev/null; }
new_options=(--modeless --listener --form 2 --custom-enabling --custom-startup)
render_new() { "$exe" templates render --out "$target" --name Kill --project KillProj "${new_options[@]}" >/dev/null; }

# The two versions of the same four files.
render_new && cp -r "$target/src" "$work/new"
rm -rf "$target"
render_old && cp -r "$target/src" "$work/old"
files=$(cd "$work/old" && ls)
[ "$(cd "$work/new" && ls)" = "$files" ] || { echo "old and new renders name different files"; exit 1; }
differing=0
for f in $files; do cmp -s "$work/old/$f" "$work/new/$f" || differing=$((differing + 1)); done
[ $differing -ge 2 ] || { echo "the two versions hardly differ: nothing to tell apart"; exit 1; }

# How long one render takes, so that the kills fall inside it.
start=$(date +%s%N); render_new; span_us=$(( ($(date +%s%N) - start) / 1000 ))
cp "$work/old/"* "$target/src/"

# Starts the new render and sends it the signal at a random moment of it.
render_new_and_signal() {
  # exec: the signal must reach the render itself, not a shell around it.
  (exec "$exe" templates render --out "$target" --name Kill --project KillProj "${new_options[@]}" >/dev/null) &
  local pid=$!
  local delay=$(( (RANDOM * 32768 + RANDOM) % (span_us + 1) ))
  sleep "$(printf '%d.%06d' $((delay / 1000000)) $((delay % 1000000)))"
  kill "-$1" "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

mixed=0
for ((i = 0; i < kills; i++)); do
  render_new_and_signal KILL
  news=0
  for f in $files; do
    if cmp -s "$target/src/$f" "$work/new/$f"; then
      cmp -s "$work/old/$f" "$work/new/$f" || news=$((news + 1))
    elif ! cmp -s "$target/src/$f" "$work/old/$f"; then
      echo "kill $i: $f is neither the old nor the new file"
      exit 1
    fi
  done
  # Killed after some files were replaced and before the others.
  [ $news -gt 0 ] && [ $news -lt $differing ] && mixed=$((mixed + 1))
  cp "$work/old/"* "$target/src/"
done

left=$(find "$target" -name '.~vs*.tmp' | wc -l)

render_new
stale=$(find "$target" -name '.~vs*.tmp' | wc -l)
echo "$kills kills in a ${span_us} us render: $mixed caught between files, $left temporary files left, $stale after the next render"
[ "$stale" -eq 0 ] || { echo "temporary files survived the next render"; exit 1; }

# SIGTERM, SIGINT, SIGHUP and SIGQUIT let the render remove its temporary
# file on the way out.
ulimit -c 0
set -m  # a background job takes SIGINT and SIGQUIT as a foreground one does
for signal in TERM INT HUP QUIT; do
  for ((i = 0; i < 10; i++)); do
    render_new_and_signal "$signal"
    [ "$(find "$target" -name '.~vs*.tmp' | wc -l)" -eq 0 ] || { echo "SIG$signal left a temporary file"; exit 1; }
    cp "$work/old/"* "$target/src/"
  done
done
echo "10 each of SIGTERM, SIGINT, SIGHUP and SIGQUIT during renders: no temporary file left"
