#!/usr/bin/env bash
# usage: interrupted_runs_test.sh VERBSMITH EXAMPLES WORKDIR
set -euo pipefail
ulimit -c 0  # SIGQUIT below must not leave a core file
exe=$1 examples=$2 work=$3
command -v strace >/dev/null || { echo "strace is needed (scripts/deps installs it)"; exit 1; }
rm -rf "$work"
mkdir -p "$work"/{home,config,data,state,wine,temp}
work=$(cd "$work" && pwd)
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_STATE_HOME=$work/state
export WINEPREFIX=$work/wine VERBSMITH_COMMAND_SET=$work/data/commandset.db TEMP=$work/temp
unset VERBSMITH_IDE_COMMAND VERBSMITH_REGISTRY VERBSMITH_RC
cd "$work"
mkdir -p art
cp "$examples"/bitmaps/*.bmp art/
winwork="Z:${work//\//\\}"
# Every file a Finish writes, and the resource compiler; the project is not opened.
sed -e "s|@WORK@|${winwork//\\/\\\\}|g" -e 's/^answer Yes$/answer No/' "$examples/flow_create_modeless.script" > create.script

# After the next start of the program, nothing of the run may be left.
nothing_left() {
  "$exe" info >/dev/null 2>&1
  local left
  left=$(find . -path ./art -prune -o \( -name 'Atlas*' -o -name 'vsp*.tmp' -o -name '.~vs*' \) -print)
  [ -z "$left" ] || { echo "$1: left behind:"; echo "$left"; exit 1; }
  [ -z "$("$exe" commands list --company Valdren --application Carthex 2>/dev/null)" ] ||
    { echo "$1: the command is registered"; exit 1; }
}

# SIGKILL at a chosen system call of the program itself.
killed_at() {
  strace -qq -o /dev/null "$@" "$exe" run create.script >/dev/null 2>&1 || true
}
killed_at -P "$work/Atlas/src" -e trace=mkdir,mkdirat -e inject=mkdir,mkdirat:signal=KILL 2>/dev/null
nothing_left "killed while the project step makes Atlas\\src"
killed_at -e trace=unlink,unlinkat -e inject=unlink,unlinkat:signal=KILL:when=1 2>/dev/null
nothing_left "killed at its first deletion"

# A compiler that works, but for the call given, where it starts a helper
# and hangs: 1 the check before Finish, 2 the Finish itself.
cat > slowrc <<RC
#!/bin/bash
calls=\$(cat "$work/rc.calls" 2>/dev/null || echo 0)
echo \$((calls + 1)) > "$work/rc.calls"
if [ \$((calls + 1)) -eq "\$(cat "$work/rc.hang")" ]; then
  sleep 60 & echo \$! > "$work/rc.helper.new"; mv "$work/rc.helper.new" "$work/rc.helper"; wait
fi
exec llvm-rc "\$@"
RC
chmod +x slowrc
export VERBSMITH_RC=$work/slowrc
set -m  # a background job takes SIGINT and SIGQUIT as a foreground one does
for case in TERM:1 TERM:2 INT:1 INT:2 HUP:2 QUIT:2; do
  signal=${case%:*}
  echo "${case#*:}" > rc.hang
  # A SIGKILL above may have left its scratch files here: no handler runs.
  rm -f rc.calls rc.helper temp/*
  (exec "$exe" run create.script >run.log 2>&1 </dev/null) &
  pid=$!
  # Until the compiler hangs, or the run ends without it (a slow machine
  # may take a while to get there).
  for ((i = 0; i < 3000; i++)); do
    [ -e rc.helper ] || ! kill -0 "$pid" 2>/dev/null && break
    sleep 0.02
  done
  [ -e rc.helper ] || {
    echo "SIG$signal in call ${case#*:}: the compiler never hung; the run printed:"
    cat run.log
    kill -KILL "$pid" 2>/dev/null
    exit 1
  }
  kill "-$signal" "$pid"
  wait "$pid" 2>/dev/null || true
  helper=$(cat rc.helper)
  for ((i = 0; i < 100; i++)); do
    state=$(awk '{print $3}' "/proc/$helper/stat" 2>/dev/null || echo gone)
    [ "$state" = gone ] || [ "$state" = Z ] && break
    sleep 0.02
  done
  [ "$state" = gone ] || [ "$state" = Z ] || { echo "SIG$signal in call ${case#*:}: the compiler's helper still runs"; kill "$helper"; exit 1; }
  [ -z "$(ls temp)" ] || { echo "SIG$signal in call ${case#*:}: left in TEMP: $(ls temp)"; exit 1; }
  nothing_left "SIG$signal while the compiler runs (call ${case#*:})"
done
echo "killed making a directory and at the first deletion, and six signals while the compiler ran: nothing left"
