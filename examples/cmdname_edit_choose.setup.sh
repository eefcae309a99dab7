# Drive P: is this work directory. Two registered commands; Zoom's server
# lies in a bin directory spelt "BIN", its project in the src beside it.
mkdir -p wine/dosdevices && ln -s "$WORK" wine/dosdevices/p:
mkdir -p Zoom/BIN Zoom/src
printf 'Type=OleDll\r\nName="Acme"\r\n' > Zoom/src/Acme.vbp
"$VERBSMITH" commands add Acme.Pan --company Valdren --application Carthex \
  --description "Pans the map" --tool-tip "Pan" >/dev/null
"$VERBSMITH" commands add Acme.Zoom --company Valdren --application Carthex \
  --command-type 4 --enable-mask 16 --listener-mask 2 --modal-flag 0 \
  --description "Zooms in" --tool-tip "Zoom" \
  --small-mono-bitmap 'P:\bmp\zoom_sm.bmp' --small-color-bitmap 'P:\bmp\zoom_sc.bmp' \
  --large-mono-bitmap 'P:\bmp\zoom_lm.bmp' --large-color-bitmap 'P:\bmp\zoom_lc.bmp' >/dev/null
