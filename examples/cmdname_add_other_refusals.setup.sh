# Drive P: is this work directory. Kept is in the command set; nothing of
# Gone's project exists on disk.
mkdir -p wine/dosdevices && ln -s "$WORK" wine/dosdevices/p:
"$VERBSMITH" commands add Acme.Kept --company Valdren --application Carthex \
  --description "Keeps it" --tool-tip "Keep" >/dev/null
