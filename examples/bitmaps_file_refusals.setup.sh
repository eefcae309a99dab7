# Bitmaps that Next refuses beside the four that fit: one of 32x32 pixels,
# a 24-bit one meant for a monochrome row, and notes saved under a .bmp name.
source "$EXAMPLES/support/make_bitmap.sh"
mkdir -p art
cp "$EXAMPLES"/bitmaps/*.bmp art/
bitmap art/Big.bmp 32 32
bitmap art/Deep.bmp 24 23
printf 'Toolbar ideas: a compass, a ruler.\r\n' > art/Notes.bmp
