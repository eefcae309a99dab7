# Drive P: is this work directory. Pick, a command of a project that is not
# a Visual Basic project, registered with its server in Pick\bin and its
# sources in Pick\src.
mkdir -p wine/dosdevices && ln -s "$WORK" wine/dosdevices/p:
mkdir -p Pick/bin Pick/src
