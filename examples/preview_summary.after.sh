. "$EXAMPLES/support/compare_before.sh"
compare_before
ls Roads/src Roads/bin > files.txt
