# Drive P: is this work directory. Pan is a registered modal command that
# listens to no view and has no bitmap; its server lies in Pan\bin, its
# project in the src beside it. One small colour bitmap waits in bmp.
mkdir -p wine/dosdevices && ln -s "$WORK" wine/dosdevices/p:
mkdir -p Pan/bin Pan/src bmp
printf 'Type=OleDll\r\nName="Acme"\r\n' > Pan/src/Acme.vbp
source "$EXAMPLES/support/make_bitmap.sh"
bitmap bmp/pan_sc.bmp 16 15
"$VERBSMITH" commands add Acme.Pan --company Valdren --application Carthex \
  --enable-mask 16 --modal-flag 1 --description "Pans the map" --tool-tip "Pan" >/dev/null
