# What the run left: the directories below the work directory.
find existing taken Fresh Second blocked -print 2>/dev/null | sort > left.txt
