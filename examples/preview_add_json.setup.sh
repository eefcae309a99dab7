. "$EXAMPLES/support/make_project.sh"
make_project modal
# The current project's command is not in the command set yet.
"$VERBSMITH" commands remove Roads.Buffer --company Valdren --application Carthex
