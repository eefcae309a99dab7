# Drive P: is this work directory. Commands of projects that are not Visual
# Basic projects, registered under ProgIDs the step finds by class name:
#   Pan    two ProgIDs hold it (AcmeA.Pan, AcmeB.Pan); AcmeB's server lies
#          in PanB\bin with the sources in PanB\src
#   Kept   in the command set already, server in Kept\bin, sources beside
#   Nosrc  server in Nosrc\bin, no src directory: the bin directory serves
mkdir -p wine/dosdevices && ln -s "$WORK" wine/dosdevices/p:
mkdir -p PanB/bin PanB/src Kept/bin Kept/src Nosrc/bin
"$VERBSMITH" commands add Acme.Kept --company Valdren --application Carthex \
  --description "Keeps it" --tool-tip "Keep" >/dev/null
