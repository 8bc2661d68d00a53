// The report formats by name, and the one factory that makes a run's report
// from a format.
#ifndef PAGEVET_REPORT_FORMATRAPPORT_H_
#define PAGEVET_REPORT_FORMATRAPPORT_H_

#include <memory>

#include "html/jeubalises.h"
#include "report/rapport.h"

enum class FormatRapport { Texte, Gnu, Json, Sarif, Jsonl };

// The format called nom ("text", "gnu", "json", "sarif", "jsonl"); false for none.
bool formatDeNom(const char* nom, FormatRapport& format);
// The name of a format, as --format takes it.
const char* nomDeFormat(FormatRapport format);

// The report of a run in format, written to sortie (standard output, which
// must outlive it), its error lines on standard error, in the console's set.
// balises: the tag set the run judges pages by; moderne: a --modern run;
// site: the checks across the site run.
std::unique_ptr<Rapport> creerRapport(FormatRapport format, JeuBalises balises, Canal& sortie,
                                      bool moderne = false, bool site = false);

#endif  // PAGEVET_REPORT_FORMATRAPPORT_H_
