chmod 755 . && chmod 644 a.html b.html d.html && chmod 000 c.html
