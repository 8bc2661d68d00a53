// The program's run: takes the command line apart, prints the help or finds
// the pages that match the masks and examines each one once, in path order.
#ifndef PAGEVET_RUN_PAGEVET_H_
#define PAGEVET_RUN_PAGEVET_H_

#include "report/rapport.h"

// Runs pagevet on its arguments in the current directory and gives its exit
// status. The report goes to standard output; a fatal error, a directory
// that cannot be read, no page found, or a report that cannot be written
// also say so in one line on standard error.
int pagevet(int nbArgs, const char* const* args);

#endif  // PAGEVET_RUN_PAGEVET_H_
