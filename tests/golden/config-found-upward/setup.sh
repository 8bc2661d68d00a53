mkdir repo/.git
