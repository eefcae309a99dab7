# A command whose description another program stored with a line break and
# an INI section in it.
. "$EXAMPLES/support/make_project.sh"
make_project modal
sqlite3 "$VERBSMITH_COMMAND_SET" \
  "UPDATE commands SET description = 'Line1' || char(13, 10) || '[Injected]' || char(13, 10) || 'Evil=1'"
