"$VERBSMITH" commands list --company Valdren --application Carthex > entries.txt
ls Roads/src Roads/bin > files.txt
# Reading the command set leaves nothing beside it.
ls data > data.txt
