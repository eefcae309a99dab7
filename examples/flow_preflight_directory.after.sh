# Nothing was registered.
"$VERBSMITH" commands list --company Valdren --application Carthex > entries.txt
echo "$(wc -l < entries.txt) entries" > registered.txt
