// The path every format but the text one writes: the program's path with
// '/' between directories, as the host writes it.
#ifndef PAGEVET_REPORT_CHEMINBARRES_H_
#define PAGEVET_REPORT_CHEMINBARRES_H_

#include <string>

// A program path ("news\index.htm") as the host writes it ("news/index.htm").
std::string cheminAvecBarres(const char* chemin);

#endif  // PAGEVET_REPORT_CHEMINBARRES_H_
