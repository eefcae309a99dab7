# What the failed run left of the project directory: nothing.
find . -name "Roads*" | sort > left.txt
