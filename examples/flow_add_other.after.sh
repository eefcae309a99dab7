"$VERBSMITH" commands list --company Valdren --application Carthex --json > list.json
find srv -type f | sort > files.txt
