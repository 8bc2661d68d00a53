# Prints what html5lib (scripting on) reads in a page, in the form of
# pagevet_vidage_html: the DOCTYPE, the rendering mode, the <html>
# attributes, the head's elements with their attributes, the title's text
# and every start tag the tokenizer emits.
#   python3 html5lib_dump.py LIST
# Each line of LIST is "CHARSET BOM PAGE OUTPUT": the dump of PAGE goes to
# OUTPUT. CHARSET and BOM are the dump tool's decision, so that both read the
# same characters: a stray byte of a UTF-8 page is its Windows-1252 character.
import codecs
import sys

import html5lib
from html5lib import _tokenizer
from html5lib.constants import tokenTypes


def cp1252(byte):
    try:
        return bytes([byte]).decode("cp1252")
    except UnicodeDecodeError:
        return "\ufffd"


def stray_bytes(error):
    return cp1252(error.object[error.start]), error.start + 1


codecs.register_error("pagevet-1252", stray_bytes)


def escape(text):
    out = []
    for ch in text:
        if ch in '\\"':
            out.append("\\" + ch)
        elif ch == "\n":
            out.append("\\n")
        elif ch == "\t":
            out.append("\\t")
        elif ord(ch) < 0x20 or ord(ch) == 0x7F:
            out.append("\\x%02x" % ord(ch))
        else:
            out.append(ch)
    return "".join(out)


def attributes(element):
    return "".join(' %s="%s"' % (escape(name), escape(value))
                   for name, value in element.attributes.items())


def dump(path, charset, bom):
    data = open(path, "rb").read()[bom:]
    if charset == "utf-8":
        text = data.decode("utf-8", "pagevet-1252")
    else:
        text = "".join(cp1252(b) if b >= 0x80 else chr(b) for b in data)

    del START_TAGS[:]
    parser = html5lib.HTMLParser(tree=html5lib.getTreeBuilder("dom"), namespaceHTMLElements=False)
    document = parser.parse(text, scripting=True)

    out = ["charset: %s %d" % (charset, bom)]
    doctypes = [n for n in document.childNodes if n.nodeType == n.DOCUMENT_TYPE_NODE]
    doctype = doctypes[0] if doctypes else None
    if doctype is None:
        out.append("doctype: none")
    else:
        def ident(value):
            return "-" if value is None else '"%s"' % escape(value)
        out.append('doctype: "%s" %s %s' % (escape(doctype.name or ""), ident(doctype.publicId),
                                            ident(doctype.systemId)))
    out.append("mode: %s" % parser.compatMode)
    html = document.documentElement
    out.append("html:%s" % attributes(html))
    heads = [n for n in html.childNodes if n.nodeType == n.ELEMENT_NODE and n.tagName == "head"]
    for element in heads[0].childNodes if heads else []:
        if element.nodeType != element.ELEMENT_NODE:
            continue
        out.append("head: %s%s" % (element.tagName, attributes(element)))
        if element.tagName == "title":
            title = "".join(n.data for n in element.childNodes if n.nodeType == n.TEXT_NODE)
            out.append('title: "%s"' % escape(title))
    out.extend("start: %s" % escape(name) for name in START_TAGS)
    return ("\n".join(out) + "\n").encode("utf-8", "surrogateescape")


# Every start tag the tokenizer emits, recorded as the parser reads them.
START_TAGS = []
ORIGINAL_ITER = _tokenizer.HTMLTokenizer.__iter__


def recording_iter(self):
    for token in ORIGINAL_ITER(self):
        if token["type"] == tokenTypes["StartTag"]:
            START_TAGS.append(token["name"])
        yield token


def main():
    _tokenizer.HTMLTokenizer.__iter__ = recording_iter
    for line in open(sys.argv[1], encoding="utf-8", errors="surrogateescape"):
        charset, bom, path, output = line.rstrip("\n").split(" ", 3)
        with open(output, "wb") as f:
            f.write(dump(path, charset, int(bom)))


main()
