. "$EXAMPLES/support/make_project.sh"
make_project modal
mkdir outside
mv Roads/src/Buffer.txt outside/notes.txt
ln -s ../../outside/notes.txt Roads/src/Buffer.txt
cp outside/notes.txt notes.before
