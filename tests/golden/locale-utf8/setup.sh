# The page name is Windows-1252 (0xE9 for e acute).
mv cafe.htm "$(printf 'caf\351.htm')"
