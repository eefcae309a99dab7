# A directory stands where the command-set database would be.
rm -f data/commandset.db
mkdir -p data/commandset.db
