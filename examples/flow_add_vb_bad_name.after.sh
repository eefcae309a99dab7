# Nothing registered; the project's files as the setup left them (its
# project file renamed the project, and the entry was removed).
. "$EXAMPLES/support/compare_before.sh"
compare_before
"$VERBSMITH" commands list --company Valdren --application Carthex > entries.txt
