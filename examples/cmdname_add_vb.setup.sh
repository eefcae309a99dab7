# Drive P: is this work directory. Visual Basic projects to add:
#   Good     Acme.Zoom, public class Zoom after a private one; registered with
#            its description and tool tip; already in the command set
#   NoClass  only a private class, and a class file that is missing
#   Unreg    a public class that was never registered
#   Bare     registered without the description's separator
#   Tipless  registered with an empty tool tip
mkdir -p wine/dosdevices && ln -s "$WORK" wine/dosdevices/p:
project() {  # directory, project name, class lines...
  local dir=$1 name=$2
  shift 2
  mkdir -p "$dir/src" "$dir/bin"
  {
    printf 'Type=OleDll\r\n'
    for class in "$@"; do printf 'Class=%s; %s.cls\r\n' "$class" "$class"; done
    printf 'Name="%s"\r\n' "$name"
  } > "$dir/src/$name.vbp"
}
exposed() {  # file, True or False
  printf 'VERSION 1.0 CLASS\r\nAttribute VB_Name = "X"\r\nAttribute VB_Exposed = %s\r\n' "$2" > "$1"
}
project Good Acme Helper Zoom
exposed Good/src/Helper.cls False
exposed Good/src/Zoom.cls True
project NoClass Tool Helper Gone
exposed NoClass/src/Helper.cls False
project Unreg Unreg Zoom
exposed Unreg/src/Zoom.cls True
project Bare Bare Pan
exposed Bare/src/Pan.cls True
project Tipless Tipless Pan
exposed Tipless/src/Pan.cls True
"$VERBSMITH" commands add Acme.Zoom --company Valdren --application Carthex \
  --description "Zooms in" --tool-tip "Zoom" >/dev/null
