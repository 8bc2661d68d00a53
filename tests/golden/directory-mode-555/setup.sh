# A deployed tree: nobody may write to its directories.
chmod 555 deployed/sub deployed
