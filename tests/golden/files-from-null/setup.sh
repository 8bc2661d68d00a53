printf 'sub/b.htm\0a.htm\0' > list
