// The paths of --files-from: read from a file or standard input, one a line
// or separated by NUL bytes (--null), as written.
#ifndef PAGEVET_FILES_LISTEFICHIERS_H_
#define PAGEVET_FILES_LISTEFICHIERS_H_

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// Splits a list's text into chemins, in order, duplicates kept.
// One a line: '\n' ends a line, a "\r\n" ending counts as '\n' (a list
// written on Windows), the last line needs no ending, and an empty line
// names nothing. Other white space is part of the path.
// With nul: NUL bytes separate the paths, which are kept byte for byte
// ('\r' and '\n' included); an empty one names nothing.
// A NUL byte in a list read one a line is an error: such a list was made
// for --null, and read by lines its paths would run together. false then,
// with the message in erreur, naming the list as nomListe.
bool decouperListe(std::string_view texte, bool nul, const std::string& nomListe,
                   std::vector<std::string>& chemins, std::string& erreur);

// Reads the list source: a host path as the user wrote it, or "-" for
// entree (standard input, which stays the caller's). Gives false with the
// message in erreur when the list cannot be opened or read (a failed read
// is never taken for its end) or decouperListe refuses it.
bool lireListe(const std::string& source, bool nul, std::FILE* entree,
               std::vector<std::string>& chemins, std::string& erreur);

#endif  // PAGEVET_FILES_LISTEFICHIERS_H_
