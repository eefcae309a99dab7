. "$EXAMPLES/support/make_project.sh"
make_project modal
