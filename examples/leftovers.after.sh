# What each run that did not finish left: only what was there before it.
left() { echo "$1: exit $2"; find "${@:3}" -print | sort; }
left "closed" 0 existing Atlas > left.txt
# `new` refused on the command-name, bitmap and kind steps, after its
# project step made the project's directories.
new() {
  "$VERBSMITH" new --purpose create --company Valdren --application Carthex --project-name Roads \
    --description "Buffers features" --tool-tip Buffer "$@"
}
new --location . --subdirectory Roads5 --command-name 5Buffer 2>/dev/null
left "refused on the command name" $? . -name 'Roads*' >> left.txt
new --location . --subdirectory Roads6 --command-name Buffer --answers "$EXAMPLES/leftovers.missing.json" 2>/dev/null
left "refused on a bitmap" $? . -name 'Roads*' >> left.txt
new --location . --subdirectory Roads7 --command-name Buffer --form-name "frm Bad" 2>/dev/null
left "refused on the form name" $? . -name 'Roads*' >> left.txt
# A dry run into an existing directory makes nothing at all.
new --location dry --command-name Buffer --dry-run > plan.txt
left "dry run" $? dry >> left.txt
grep '^make directory' plan.txt >> left.txt
# A resource compiler that fails, and Finish not taken without it.
VERBSMITH_RC=false new --location uncompiled --command-name Buffer --answers "$EXAMPLES/leftovers.bitmaps.json" 2>/dev/null
left "compiler failed" $? uncompiled >> left.txt
# None of them is remembered for the next start to clean up.
left "records" 0 state -name 'run-*' >> left.txt
