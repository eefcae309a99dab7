#!/usr/bin/env bash
# usage: finish_recovery_test.sh VERBSMITH WORKDIR
# Each case writes the journal an interrupted Finish would have left, starts
# the program and checks what it said and what the disk and the command set
# hold afterwards.
set -euo pipefail
exe=$1 work=$2
rm -rf "$work"
mkdir -p "$work"
work=$(cd "$work" && pwd)
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_STATE_HOME=$work/state
export WINEPREFIX=$work/wine VERBSMITH_COMMAND_SET=$work/data/commandset.db
unset VERBSMITH_IDE_COMMAND VERBSMITH_REGISTRY
journals=$work/state/verbsmith
win() { local p="Z:${1//\//\\}"; printf '%s' "${p//\\/\\\\}"; }  # as a JSON string
set_of=(--company Valdren --application Carthex)
failed=0
fail() { echo "FAIL ($case): $*"; failed=1; }
fresh() {
  case=$1
  rm -rf "$work/case" "$work/data" "$journals" && mkdir -p "$work/case" "$work/data" "$journals" "$work/wine"
  cd "$work/case"
}
# journal FILE PROCESS PROJECT REGISTERING ENTRY_BEFORE DIRECTORIES FILES
journal() {
  printf '{"version": 2, "process": %s, "project": "%s", "company": "Valdren", "application": "Carthex",
 "progId": "Atlas.Pick", "registering": %s, "entryBefore": %s, "createdDirectories": [%s], "files": [%s]}\n' \
    "$2" "$3" "$4" "$5" "$6" "$7" > "$journals/$1"
}
start() { "$exe" info >/dev/null 2>said.txt || true; }
said() { grep -qF -- "$1" said.txt || fail "expected \"$1\", got: $(cat said.txt)"; }
journal_gone() { [ -z "$(ls -A "$journals")" ] || fail "journal left: $(ls -A "$journals")"; }

# Names and texts outside Windows-1252 come back exactly: the run's files
# and directories in Ωmega go, and the entry's description is as it was.
fresh utf8
"$exe" commands add Atlas.Pick "${set_of[@]}" --description 'Snow ☃ Ωmega' >/dev/null
"$exe" commands show Atlas.Pick "${set_of[@]}" --json > before.json
"$exe" commands add Atlas.Pick "${set_of[@]}" --description 'Changed' >/dev/null
mkdir -p Ωmega/src && echo new > Ωmega/src/Pick.cls
journal finish-1.json 999999999 "$(win "$PWD/Ωmega")" true "$(tr -d '\n' < before.json)" \
  "\"$(win "$PWD/Ωmega")\", \"$(win "$PWD/Ωmega/src")\"" "{\"path\": \"$(win "$PWD/Ωmega/src/Pick.cls")\", \"before\": null}"
start
said "an interrupted Finish was undone: Atlas.Pick is back as it was and its files are as they were before"
[ ! -e Ωmega ] || fail "the run's directory Ωmega is left"
"$exe" commands show Atlas.Pick "${set_of[@]}" --json | cmp -s - before.json || fail "the entry is not as it was"
journal_gone

# A journal in the old single-byte form cannot be read exactly: refused.
fresh old_form
mkdir Left
printf '{"version": 1, "process": 1, "company": "\xD8", "application": "A", "progId": "Atlas.Pick", "registering": false, "entryBefore": null, "createdDirectories": ["%s"], "files": []}\n' \
  "$(win "$PWD/Left")" > "$journals/finish-1.json"
start
said "it cannot be read exactly; nothing was changed, and the journal is kept"
[ -d Left ] && [ -e "$journals/finish-1.json" ] || fail "a refused journal was acted on"

# A journal edited to name files or directories outside its run is refused
# whole: nothing is written, deleted or removed, at this start or the next.
fresh foreign
mkdir -p Roads/src Other/src && echo mine > Other/keep.txt && echo x > Other/src/a.bas && echo old > Roads/src/Buffer.cls
for files in "{\"path\": \"$(win "$PWD/Other/keep.txt")\", \"before\": null}" \
             "{\"path\": \"$(win "$PWD/Roads/../Other/keep.txt")\", \"before\": \"00\"}"; do
  journal finish-1.json 999999999 "$(win "$PWD/Roads")" true null "" \
    "{\"path\": \"$(win "$PWD/Roads/src/Buffer.cls")\", \"before\": \"6f6c640a\"}, $files"
  for again in 1 2; do
    start
    said "it names Z:"
    said "outside its run; nothing was changed, and the journal is kept"
  done
done
journal finish-1.json 999999999 "$(win "$PWD/Roads")" false null "\"$(win "$PWD/Other")\", \"Z:\\\\\"" ""
start
said "outside its run"
[ "$(cat Other/keep.txt)" = mine ] && [ -e Other/src/a.bas ] && [ -d Other ] || fail "a file outside the run was touched"

# Liveness is the journal's lock, not a process number: a journal whose
# number belongs to a running process is taken back when nobody holds it,
# and one held locked is left to the Finish that holds it.
fresh liveness
mkdir Left
journal finish-1.json $$ "" false null "\"$(win "$PWD/Left")\"" ""
flock -o "$journals/finish-1.json" sleep 5 & holder=$!
sleep 0.5
start
[ ! -s said.txt ] || fail "a held journal was spoken of: $(cat said.txt)"
[ -d Left ] && [ -e "$journals/finish-1.json" ] || fail "a held journal was acted on"
kill "$holder"; wait "$holder" 2>/dev/null || true
start
said "an interrupted Finish was undone: the directories it made are removed"
[ ! -e Left ] || fail "the run's directory is left"
journal_gone

# An edit taken back before it registered made no directories, and says
# so; two starts at once take it back once, without a false failure.
fresh concurrent
mkdir -p Roads/src
for i in $(seq 1 20); do
  journal "finish-$i.json" 999999999 "$(win "$PWD/Roads")" false null "" ""
done
"$exe" info >/dev/null 2>said1.txt & one=$!
"$exe" info >/dev/null 2>said2.txt & two=$!
wait "$one" "$two" || true
cat said1.txt said2.txt > said.txt
! grep -q "could not be undone" said.txt || fail "$(grep "could not be undone" said.txt | head -1)"
! grep -q "directories it made" said.txt || fail "an edit said it made directories"
[ "$(grep -c "it had changed nothing yet" said.txt)" -eq 20 ] || fail "not every journal was taken back once"
journal_gone

exit $failed
