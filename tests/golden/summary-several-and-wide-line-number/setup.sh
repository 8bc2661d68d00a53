# The page holds a comment of 10000 lines, so the unknown tag after it
# stands on line 10016 and its number needs five columns.
{
  printf '%s\n' '<html>' '<head>' '<title>One</title>' \
    '<meta http-equiv="Content-Type" content="text/html">' \
    '<meta http-equiv="Content-Language" content="en">' \
    '<meta name="description" content="A page">' \
    '<meta name="keywords" content="clean, page">' \
    '<meta name="reply-to" content="web@example.org">' \
    '<meta name="robots" content="all">' \
    '</head>' '<title>Two</title>' '<body>' '<!-- start of a long comment'
  yes filler | head -n 10000
  printf '%s\n' 'end -->' '<body>' '<blink>' '</body>' '</html>'
} > index.htm
