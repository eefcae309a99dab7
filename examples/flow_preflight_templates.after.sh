# Nothing was registered: the command set was never even made.
if [ -e data/commandset.db ]; then echo "a command set was made"; else echo "no command set"; fi > registered.txt
