# Whether the project's directory outlived the cancel.
if [ -e "$WORK/Roads" ]; then echo "Roads is left" > left.txt; else echo "no Roads" > left.txt; fi
