#!/usr/bin/env bash
# usage: finish_kill_test.sh VERBSMITH EXAMPLES WORKDIR KILLS
set -euo pipefail
exe=$1 examples=$2 work=$3 kills=$4
rm -rf "$work"
mkdir -p "$work"/{home,config,data,state,wine}
work=$(cd "$work" && pwd)
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_STATE_HOME=$work/state
export WINEPREFIX=$work/wine VERBSMITH_COMMAND_SET=$work/data/commandset.db
unset VERBSMITH_IDE_COMMAND VERBSMITH_REGISTRY
cd "$work"
mkdir -p art
cp "$examples"/bitmaps/*.bmp art/
winwork="Z:${work//\//\\}"
# The modeless listener with a form and custom bitmaps: every file a Finish
# writes, and the resource compiler. The project is not opened.
sed -e "s|@WORK@|${winwork//\\/\\\\}|g" -e 's/^answer Yes$/answer No/' "$examples/flow_create_modeless.script" > finish.script
sed -n '/^click cmdFinishFinish$/q;p' finish.script > before_finish.script
echo "click cmdFinishCancel" >> before_finish.script

entry() { "$exe" commands show Atlas.Pick --company Valdren --application Carthex --json 2>/dev/null; }
forget() { rm -rf Atlas; "$exe" commands remove Atlas.Pick --company Valdren --application Carthex >/dev/null 2>&1 || true; }
now_us() { echo $(( $(date +%s%N) / 1000 )); }

# The complete project, and how long the run takes with and without Finish,
# so that the kills fall inside the Finish.
"$exe" run finish.script >/dev/null
cp -r Atlas complete
entry > complete.json
[ -s complete.json ] || { echo "the reference run registered nothing"; exit 1; }
forget
start=$(now_us); "$exe" run before_finish.script >/dev/null; steps_us=$(( $(now_us) - start ))
start=$(now_us); "$exe" run finish.script >/dev/null; whole_us=$(( $(now_us) - start ))
forget
[ $whole_us -gt $steps_us ] || whole_us=$((steps_us + 1))

complete=0 absent=0 journalled=0 early=0 i=0
while ((i < kills)); do
  ((early < 10 * kills)) || { echo "no kill landed inside a Finish"; exit 1; }
  (exec "$exe" run finish.script >run.txt 2>&1) &
  pid=$!
  delay=$(( steps_us + (RANDOM * 32768 + RANDOM) % (whole_us - steps_us + 1) ))
  sleep "$(printf '%d.%06d' $((delay / 1000000)) $((delay % 1000000)))"
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  # A run killed before its Finish (which hides the window first) is no case
  # here: it leaves its project directories, as a run that is never ended does.
  if ! grep -q '^form hidden frmVerbsmith' run.txt; then
    early=$((early + 1))
    forget
    continue
  fi
  ls state/verbsmith/finish-*.json >/dev/null 2>&1 && journalled=$((journalled + 1))
  # The next start takes an unfinished Finish back.
  "$exe" info >/dev/null 2>recovery.txt
  ls state/verbsmith/finish-*.json >/dev/null 2>&1 && { echo "kill $i: a journal outlived the next start"; cat recovery.txt; exit 1; }
  if [ -d Atlas ]; then
    diff -r complete Atlas >/dev/null || { echo "kill $i: the project is half made"; diff -r complete Atlas || true; exit 1; }
    entry > now.json
    cmp -s complete.json now.json || { echo "kill $i: the project is complete but its entry is not"; exit 1; }
    complete=$((complete + 1))
  else
    [ -z "$(entry)" ] || { echo "kill $i: the entry is registered without its project"; exit 1; }
    [ -z "$(find . -name 'Atlas*' -not -path './complete*')" ] || { echo "kill $i: something of the project is left"; exit 1; }
    absent=$((absent + 1))
  fi
  forget
  i=$((i + 1))
done
echo "$kills kills in a Finish of about $(( (whole_us - steps_us) / 1000 )) ms ($early more fell before it):" \
  "$complete complete, $absent absent, $journalled taken back from a journal"
