# Three commands: Zoom is registered and complete, Bare is registered but
# its entry has no tool tip, Ghost is not registered.
for progid in Acme.Zoom Acme.Bare Acme.Ghost; do
  tip="Tip"
  [ "$progid" = Acme.Bare ] && tip=""
  "$VERBSMITH" commands add "$progid" --company Valdren --application Carthex \
    --description "Does it" --tool-tip "$tip" >/dev/null
done
