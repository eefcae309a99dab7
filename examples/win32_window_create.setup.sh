# The directory the project goes in.
mkdir -p Projects
