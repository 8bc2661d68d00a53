# The shared clean page with CRLF line ends.
sed 's/$/\r/' "$(dirname "$0")/../pages/clean.htm" > index.htm
