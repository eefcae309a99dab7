. "$EXAMPLES/support/make_project.sh"
make_project modal
chmod a-w Roads/src/Buffer.txt
