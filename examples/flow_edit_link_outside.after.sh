{
  cmp -s outside/notes.txt notes.before && echo "outside file as it was"
  [ -L Roads/src/Buffer.txt ] && echo "link as it was"
} > outside.txt
