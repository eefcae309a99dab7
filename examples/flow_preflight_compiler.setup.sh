mkdir -p art
cp "$EXAMPLES"/bitmaps/*.bmp art/
