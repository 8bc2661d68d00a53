// The set of tags a page is judged by: HTML 3.2, the default, or the HTML
// of today, which also changes how tags are read and which meta tags pass.
#ifndef PAGEVET_HTML_JEUBALISES_H_
#define PAGEVET_HTML_JEUBALISES_H_

enum class JeuBalises {
  Html32,  // tableBalises, names read after blanks
  Html5,   // tableBalisesHtml5 and custom elements, names read as a browser reads them
};

#endif  // PAGEVET_HTML_JEUBALISES_H_
