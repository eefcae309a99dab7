# A form file already in the source directory.
mkdir -p src
printf 'VERSION 5.00\r\n' > src/frmOld.frm
