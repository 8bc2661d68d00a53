chmod 755 . && chmod 644 a.htm c.htm d.htm && chmod 000 b.htm
