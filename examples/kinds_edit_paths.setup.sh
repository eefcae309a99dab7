# Drive P: is this work directory. Three registered commands, each with its
# project in the src directory beside its server's bin directory:
#   Zoom  a modeless listener of the active map view (requirements 2, no new
#         views), Placement (3), enabling 0x400002, four custom bitmaps
#   Pan   a modal command, no listener, enabling 0x10000, no bitmaps
#   Scan  a modeless listener asking only for new views (16), no type yet
mkdir -p wine/dosdevices && ln -s "$WORK" wine/dosdevices/p:
mkdir -p bmp
source "$EXAMPLES/support/make_bitmap.sh"
bitmap bmp/zoom_lc.bmp 24 23
bitmap bmp/zoom_lm.bmp 24 23 1
bitmap bmp/zoom_sc.bmp 16 15
bitmap bmp/zoom_sm.bmp 16 15 1
for name in Zoom Pan Scan; do
  mkdir -p "$name/bin" "$name/src"
  printf 'Type=OleDll\r\nName="Acme"\r\n' > "$name/src/Acme.vbp"
done
"$VERBSMITH" commands add Acme.Zoom --company Valdren --application Carthex \
  --command-type 3 --enable-mask 4194306 --listener-mask 2 --modal-flag 0 \
  --description "Zooms in" --tool-tip "Zoom" \
  --small-mono-bitmap 'P:\bmp\zoom_sm.bmp' --small-color-bitmap 'P:\bmp\zoom_sc.bmp' \
  --large-mono-bitmap 'P:\bmp\zoom_lm.bmp' --large-color-bitmap 'P:\bmp\zoom_lc.bmp' >/dev/null
"$VERBSMITH" commands add Acme.Pan --company Valdren --application Carthex \
  --command-type 0 --enable-mask 65536 --listener-mask 0 --modal-flag 1 \
  --description "Pans the map" --tool-tip "Pan" >/dev/null
"$VERBSMITH" commands add Acme.Scan --company Valdren --application Carthex \
  --command-type 0 --enable-mask 0 --listener-mask 16 --modal-flag 0 \
  --description "Scans views" --tool-tip "Scan" >/dev/null
