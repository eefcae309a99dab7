kill "$(cat holder.pid)"
. "$EXAMPLES/support/compare_before.sh"
compare_before
