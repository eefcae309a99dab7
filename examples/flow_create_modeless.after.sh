"$VERBSMITH" commands show Atlas.Pick --company Valdren --application Carthex --json > entry.json
ls Atlas/src Atlas/bin > files.txt
readobj=$(command -v llvm-readobj || command -v llvm-readobj-14)
"$readobj" --coff-resources Atlas/src/Pick.res | grep -E "Resource (type|name)" > resources.txt
