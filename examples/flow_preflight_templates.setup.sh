# A template directory whose class template has lost its VB_Name line.
mkdir -p templates
cp "$EXAMPLES"/../templates/* templates/
sed -i '/^Attribute VB_Name/d' templates/TemplateCmdSvr.cls
