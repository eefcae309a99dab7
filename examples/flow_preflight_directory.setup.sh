. "$EXAMPLES/support/make_project.sh"
make_project modal
"$VERBSMITH" commands remove Roads.Buffer --company Valdren --application Carthex
# A file stands where the initialisation file's directory should be.
rm -r Roads/bin
printf 'not a directory' > Roads/bin
