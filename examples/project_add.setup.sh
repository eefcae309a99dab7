# A location whose src holds two projects, and one with a single project.
mkdir -p two/src one/src
printf 'Type=OleDll\r\nName="Alpha"\r\n' > two/src/Alpha.vbp
printf 'Type=OleDll\r\nName="Beta"\r\n' > two/src/Beta.vbp
printf 'Type=OleDll\r\nExeName="x"\r\nName="Gamma"\r\n' > one/src/Gamma.vbp
