# The sample bitmaps, and the development environment's stand-in, which
# notes which project it was given.
mkdir -p art
cp "$EXAMPLES"/bitmaps/*.bmp art/
printf '#!/bin/bash\necho "${1#$WORK/}" >> "$WORK/opened.txt"\n' > ide.sh
