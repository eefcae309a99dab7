# The sample bitmaps the command's toolbar rows use.
mkdir -p art
cp "$EXAMPLES"/bitmaps/*.bmp art/
