# Every directory readable by everyone but one.
chmod -R a+rX . && chmod 000 locked
