ls Roads/src Roads/bin > files.txt
