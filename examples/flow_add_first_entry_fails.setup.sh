. "$EXAMPLES/support/make_project.sh"
make_project modal
# No command set yet.
rm -f data/commandset.db*
rm Roads/src/Buffer.txt
mkdir Roads/src/Buffer.txt
