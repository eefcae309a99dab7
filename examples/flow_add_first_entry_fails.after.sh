ls -A data > data.txt
