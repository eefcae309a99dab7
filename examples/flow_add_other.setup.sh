# The server's directory, reached as drive P: (the registry holds P:\srv).
mkdir -p srv/bin wine/dosdevices
ln -s "$WORK" wine/dosdevices/p:
