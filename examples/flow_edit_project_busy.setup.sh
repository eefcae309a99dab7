. "$EXAMPLES/support/make_project.sh"
make_project modal
# Another Finish at work on the project holds its directory locked.
flock -o Roads sleep 20 >/dev/null 2>&1 &
echo $! > holder.pid
