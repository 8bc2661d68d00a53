# A directory that can be listed but not entered: its entries cannot be
# looked at, and each is reported once.
chmod -R a+rX . && chmod 444 listed
