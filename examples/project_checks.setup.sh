# An empty project directory, a directory that already holds the project,
# and a file where a directory would go.
mkdir -p existing taken/src
printf 'Name="Roads"\r\n' > taken/src/Roads.vbp
printf 'not a directory' > blocked
