find Roads | sort > left.txt
