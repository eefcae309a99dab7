# The current project's file names it with a name that is no identifier,
# and its class is registered under that name.
. "$EXAMPLES/support/make_project.sh"
make_project modal
"$VERBSMITH" commands remove Roads.Buffer --company Valdren --application Carthex
sed -i 's/^Name="Roads"/Name="Bad Name!"/' Roads/src/Roads.vbp
sed -i 's/Roads\.Buffer/Bad Name!.Buffer/g' registry.reg
