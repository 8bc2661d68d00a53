mkfifo p.htm
