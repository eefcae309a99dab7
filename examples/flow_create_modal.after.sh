"$VERBSMITH" commands show Roads.Buffer --company Valdren --application Carthex --json > entry.json
ls Roads/src Roads/bin > files.txt
