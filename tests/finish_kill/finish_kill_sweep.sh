#!/usr/bin/env bash
# usage: finish_kill_sweep.sh VERBSMITH EXAMPLES WORKDIR KILLS
# The Finish of a create, an edit, an add and a delete run killed with
# SIGKILL at chosen system calls (strace's fault injection: the n-th call of
# one kind, SQLite's writes among them), and the next start's taking back of
# what a kill left killed in turn. After the next start each outcome is the
# complete run or the state before it, and no journal, temporary file or
# directory of the run is left. KILLS is the number of Finish kills per flow.
set -euo pipefail
exe=$1 examples=$2 base=$3 kills=$4
rm -rf "$base"
mkdir -p "$base"
base=$(cd "$base" && pwd)
export HOME=$base/env/home XDG_CONFIG_HOME=$base/env/config XDG_DATA_HOME=$base/env/data
export XDG_STATE_HOME=$base/env/state WINEPREFIX=$base/env/wine VERBSMITH_COMMAND_SET=$base/env/data/commandset.db
export TEMP=$base/temp TMPDIR=$base/temp
unset VERBSMITH_IDE_COMMAND VERBSMITH_REGISTRY
work=$base/work
export VERBSMITH=$exe EXAMPLES=$examples WORK=$work WINWORK="Z:${work//\//\\}"
journals=$XDG_STATE_HOME/verbsmith
calls=write,pwrite64,fsync,fdatasync,rename,unlink,mkdir,rmdir,ftruncate
recovery_calls=(write rename unlink rmdir pwrite64 fsync)

fresh() {
  unset VERBSMITH_REGISTRY
  rm -rf "$work" "$base/env" "$TEMP"
  mkdir -p "$work" "$TEMP" "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$WINEPREFIX"
}
save() { tar -C "$base" -cf "$base/$1.tar" work env; }
restore() { rm -rf "$work" "$base/env" && tar -C "$base" -xf "$base/$1.tar"; }
# What a run leaves that counts: every file and directory under the work
# directory with the files' digests, then the command set's entries. The
# class registration `new` writes beside a new project (bin/*.reg) comes
# after Finish and is not part of it: a kill between the two leaves the
# complete project without it.
state() {
  (cd "$work" && find . -printf '%y %p\n' | grep -v '/bin/[^/]*\.reg$' | LC_ALL=C sort &&
    find . -type f -not -path './*/bin/*.reg' -print0 | LC_ALL=C sort -z | xargs -0 sha256sum)
  echo "entries:"
  "$exe" commands list --company Valdren --application Carthex --json 2>/dev/null || echo "no command set"
}
files_of() { sed '/^entries:$/,$d' "$1"; }
entries_of() { sed '1,/^entries:$/d' "$1"; }
leftovers() {
  find "$work" "$TEMP" "$XDG_STATE_HOME" \( -name '.~vs*' -o -name '*.tmp' -o -name 'finish-*.json' \) -print 2>/dev/null || true
}
# The n-th calls of the kinds swept that the run's own process makes once
# its Finish has begun (its first flock, the project's lock; a delete run
# takes none), one "call n" a line.
finish_calls() {
  session strace -f -qq -o "$base/trace.txt" -e trace=flock,$calls || true
  awk -v want="$calls" 'NR == 1 { main = $1; split(want, w, ","); for (i in w) kind[w[i]] = 1 }
    $1 != main || $2 ~ /^</ { next }
    { name = $2; sub(/\(.*/, "", name); n[name]++ }
    name == "flock" && !begun { begun = 1; delete before }
    kind[name] { if (begun) print name, n[name]; else before[name, n[name]] = 1; all[++c] = name " " n[name] }
    END { if (!begun) for (i = 1; i <= c; i++) print all[i] }' "$base/trace.txt"
}

# The flow's run on its answers, after the command given (strace). Texts and
# names outside Windows-1252 go in, which the journal must keep exactly.
session() {
  local texts=(--description 'Snow ☃ Ωmega')
  [ "$flow" != flow_create_modeless ] || texts+=(--subdirectory Ωmega)
  [ "$flow" != flow_add_vb ] && [ "$flow" != flow_delete ] || texts=()
  (cd "$work" && "$@" "$exe" new --answers "$base/answers.json" "${texts[@]}" >/dev/null 2>&1)
}

total=0 complete=0 absent=0 scratch=0 journalled=0 recovery_kills=0 failures=0
fail() {
  echo "FAIL $flow, kill at $1: $2"
  failures=$((failures + 1))
  [ $failures -lt 10 ] || exit 1
}

sweep() {
  flow=$1
  fresh
  (cd "$work" && { [ ! -f "$examples/$flow.setup.sh" ] || bash "$examples/$flow.setup.sh"; }) >/dev/null
  if [ -f "$examples/$flow.reg" ]; then sed "s|@WORK@|${WINWORK//\\/\\\\}|g" "$examples/$flow.reg" > "$work/registry.reg"; fi
  if [ -f "$work/registry.reg" ]; then export VERBSMITH_REGISTRY=$work/registry.reg; else unset VERBSMITH_REGISTRY; fi
  mkdir -p "$work/art" && cp "$examples"/bitmaps/*.bmp "$work/art/"
  # The project is not opened: no environment runs here.
  sed 's/"open project": true/"open project": false/' "$examples/$flow.answers.json" > "$base/answers.json"
  save before
  state > "$base/before.state"
  session
  state > "$base/complete.state"
  cmp -s "$base/before.state" "$base/complete.state" && { echo "$flow: the run changed nothing"; exit 1; }
  restore before
  mapfile -t points < <(finish_calls)
  local count=${#points[@]} chosen=$((kills < ${#points[@]} ? kills : ${#points[@]})) i
  local flow_complete=0 flow_absent=0
  for ((i = 0; i < chosen; i++)); do
    read -r call n <<< "${points[$((i * count / chosen))]}"
    restore before
    session strace -f -qq -o /dev/null -e trace="$call" -e inject="$call:signal=SIGKILL:when=$n" || true
    local journal=false
    if ls "$journals"/finish-*.json >/dev/null 2>&1; then
      journal=true
      journalled=$((journalled + 1))
      # The next start killed as it takes the run back, at a call of its own.
      local r=${recovery_calls[$((journalled % ${#recovery_calls[@]}))]}
      local status=0
      strace -f -qq -o /dev/null -e trace="$r" -e inject="$r:signal=SIGKILL:when=$((journalled % 3 + 1))" \
        "$exe" info >/dev/null 2>&1 || status=$?
      [ $status -ne 137 ] || recovery_kills=$((recovery_kills + 1))
    fi
    "$exe" info >/dev/null 2>"$base/recovery.txt" || true
    state > "$base/now.state"
    if cmp -s "$base/now.state" "$base/complete.state"; then
      flow_complete=$((flow_complete + 1))
    elif cmp -s "$base/now.state" "$base/before.state"; then
      flow_absent=$((flow_absent + 1))
    else
      fail "$call #$n" "neither complete nor as before: $(diff "$base/before.state" "$base/now.state" | head -20; cat "$base/recovery.txt")"
    fi
    left=$(leftovers)
    # A process killed while it waits for the resource compiler cannot
    # remove the compiler's scratch files in TEMP; they are counted, and
    # nothing else may be left.
    if [ -n "$left" ] && ! grep -qv "^$TEMP/\(res\|vsr\)[0-9A-F]*\.tmp$" <<< "$left"; then
      scratch=$((scratch + 1))
    elif [ -n "$left" ]; then
      fail "$call #$n" "left behind: $left"
    fi
  done
  echo "$flow: $chosen kills at $count calls of its Finish: $flow_complete complete, $flow_absent as before"
  total=$((total + chosen)) complete=$((complete + flow_complete)) absent=$((absent + flow_absent))
}

for flow in flow_create_modeless flow_edit flow_add_vb flow_delete; do sweep "$flow"; done
echo "$total kills in Finish: $complete complete, $absent as before," \
  "$journalled taken back from a journal ($recovery_kills of them killed again while being taken back);" \
  "$scratch left compiler scratch files in TEMP; $failures failures"
[ $failures -eq 0 ]
