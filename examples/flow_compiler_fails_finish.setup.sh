mkdir -p art
cp "$EXAMPLES"/bitmaps/*.bmp art/
# A compiler that writes something where the resource goes, then fails.
printf '#!/bin/sh\nprintf stub > "$2"\nexit 1\n' > rc-stub
chmod +x rc-stub
