mkdir -p art existing dry uncompiled
cp "$EXAMPLES"/bitmaps/*.bmp art/
