"$VERBSMITH" commands list --company Valdren --application Carthex > left.txt
