# Drive P: is this work directory. Zoom is a registered modeless listener
# with four bitmaps, of which only the two colour ones are still there; its
# server lies in Zoom\BIN, its project in the src beside it.
mkdir -p wine/dosdevices && ln -s "$WORK" wine/dosdevices/p:
mkdir -p Zoom/BIN Zoom/src bmp
printf 'Type=OleDll\r\nName="Acme"\r\n' > Zoom/src/Acme.vbp
source "$EXAMPLES/support/make_bitmap.sh"
bitmap bmp/zoom_lc.bmp 24 23
bitmap bmp/zoom_sc.bmp 16 15
"$VERBSMITH" commands add Acme.Zoom --company Valdren --application Carthex \
  --command-type 4 --enable-mask 16 --listener-mask 2 --modal-flag 0 \
  --description "Zooms in" --tool-tip "Zoom" \
  --small-mono-bitmap 'P:\bmp\zoom_sm.bmp' --small-color-bitmap 'P:\bmp\zoom_sc.bmp' \
  --large-mono-bitmap 'P:\bmp\zoom_lm.bmp' --large-color-bitmap 'P:\bmp\zoom_lc.bmp' >/dev/null
