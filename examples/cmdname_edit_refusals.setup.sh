# Drive P: is this work directory. Four commands that cannot all be edited:
# Plain has no tool tip in its entry (its server and project lie in one
# directory, not named bin), Ghost is not registered, Lost has no project
# file, and Lonely's ProgID has no period.
mkdir -p wine/dosdevices && ln -s "$WORK" wine/dosdevices/p:
mkdir -p Plain Lost/bin Lost/src
printf 'Type=OleDll\r\nName="Acme"\r\n' > Plain/Acme.vbp
for progid in Acme.Plain Acme.Ghost Acme.Lost Acme.Lonely; do
  tip="Tip"
  [ "$progid" = Acme.Plain ] && tip=""
  "$VERBSMITH" commands add "$progid" --company Valdren --application Carthex \
    --description "Does it" --tool-tip "$tip" >/dev/null
done
# The tool accepts only sound ProgIDs; another program wrote this one.
sqlite3 "$VERBSMITH_COMMAND_SET" "UPDATE commands SET prog_id = 'Lonely' WHERE prog_id = 'Acme.Lonely'"
