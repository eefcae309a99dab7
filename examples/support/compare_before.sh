# Sourced by example after-steps: compare_before writes compare.txt, one line
# per file the project setup kept in before/, saying whether the session
# left it byte for byte the same (the recap, which tells of the run, aside).
compare_before() {
  "$VERBSMITH" commands show Roads.Buffer --company Valdren --application Carthex --json > entry.json
  (cd before && find . -type f | sort) | while read -r file; do
    case "$file" in */Buffer.txt) continue ;; esac
    if cmp -s "before/$file" "$file"; then echo "same $file"; else echo "changed $file"; fi
  done > compare.txt
}
