// The program's run: takes the command line apart, prints the help or finds
// the pages that match the masks and examines each one once, in path order.
#ifndef PAGEVET_CHECKER_PAGEVET_H_
#define PAGEVET_CHECKER_PAGEVET_H_

// Runs pagevet on its arguments in the current directory. A fatal error is
// printed and ends the run; the result is always 0.
int pagevet(int nbArgs, const char* const* args);

#endif  // PAGEVET_CHECKER_PAGEVET_H_
