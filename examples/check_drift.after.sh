# Checks the project as the session left it, then after a hand edit of the
# class file, the removal of the command's entry and a repainted bitmap;
# and a directory that holds no project, and one that is not there. Each
# check's output and exit status go to check.txt, host paths under WORK read
# @WORK@ with / (on Windows the host's form of WORK is Z:$WORK); the drift as
# JSON to check.json.
check() {
  "$VERBSMITH" check "$1" 2>&1 | sed -e 's#\\#/#g' -e "s#Z:$WORK#@WORK@#g" -e "s#$WORK#@WORK@#g"
  echo "exit status ${PIPESTATUS[0]}"
}
{
  check Survey
  printf "' Traced by hand\r\n" >> Survey/src/Trace.cls
  "$VERBSMITH" commands remove Survey.Trace --company Valdren --application Carthex
  printf '\0' >> art/CompassSM.bmp
  check Survey
  check art
  check gone
} > check.txt
# The same drift for scripts: one JSON document, host paths under WORK read
# @WORK@. Host paths take the host's separator (a doubled backslash in JSON
# on Windows, where the host's form of WORK is Z:$WORK): they are read with /.
"$VERBSMITH" check --json Survey |
  sed -e 's#\\\\#/#g' -e "s#Z:$WORK#@WORK@#g" -e "s#$WORK#@WORK@#g" > check.json
echo "exit status ${PIPESTATUS[0]}" >> check.json
ls Survey/src Survey/bin > files.txt
