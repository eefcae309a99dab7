# Nothing of the project, and no entry.
find . -name "Atlas*" > left.txt
"$VERBSMITH" commands list --company Valdren --application Carthex >> left.txt
