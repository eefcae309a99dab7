# Nothing of the project, and no entry.
find . -name "Atlas*" > left.txt
"$VERBSMITH" commands list --company Valdren --application Carthex >> left.txt
# verbsmith new on the same answers plans the same Finish.
"$VERBSMITH" run --dry-run session.script | sed -n 's/^plan: //p' > run-plan.txt
"$VERBSMITH" new --answers "$EXAMPLES/flow_create_modeless.answers.json" --dry-run > new-plan.txt
if [ -s run-plan.txt ] && cmp -s run-plan.txt new-plan.txt; then echo "new plans as run does" >> left.txt; fi
