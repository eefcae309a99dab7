# A project directory that already holds the class file of one command.
mkdir -p src bin
printf 'VERSION 1.0 CLASS\r\n' > src/Old.cls
