"$VERBSMITH" commands list --company Valdren --application Carthex --json > list.json
. "$EXAMPLES/support/compare_before.sh"
compare_before
