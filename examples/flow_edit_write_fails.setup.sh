. "$EXAMPLES/support/make_project.sh"
make_project modal
mkdir Roads/src/Buffer.res
