. "$EXAMPLES/support/compare_before.sh"
compare_before
# Nothing lands outside the project.
ls *.ini *.txt 2>/dev/null | grep -v -e compare.txt -e stray.txt > stray.txt || true
# The class file the manifest records is the project's own.
grep '"ClassFilename"' Roads/src/Buffer.verbsmith.json > classfile.txt
