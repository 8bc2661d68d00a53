chmod 755 . && chmod 644 a.htm && chmod 000 b.htm
