# Writes pages that exercise the HTML reader where parsers part ways: heads
# cut by <img>, by text or by an end tag, <noscript> in the head, comments
# of every shape (unclosed ones too), attributes across lines, duplicated
# and in any quoting, character references, raw-text elements, DOCTYPEs of
# every mode, CR LF line ends, Windows-1252 and UTF-8 pages, byte order marks.
#   python3 gen_pages.py COUNT SEED DIR
# The same arguments give the same pages. No <template> (html5lib 1.1 does
# not know it), no SVG or MathML.
import os
import random
import sys

DOCTYPES = [
    "<!DOCTYPE html>", "<!doctype HTML>", "<!DOCTYPE html SYSTEM \"about:legacy-compat\">",
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">",
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" "
    "\"http://www.w3.org/TR/html4/loose.dtd\">",
    "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\" "
    "'http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd'>",
    "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" \"x.dtd\">",
    "<!DOCTYPE html PUBLIC \"-//IETF//DTD HTML 2.0//EN\">", "<!DOCTYPE>", "<!DOCTYPEhtml>",
    "<!DOCTYPE html PUBLIC>", "<!DOCTYPE html bogus>", "<!DOCTYPE html PUBLIC \"HTML\">",
    "<!DOCTYPE svg>", "<!DOCTYPE html SYSTEM \"http://www.ibm.com/data/dtd/v11/ibmxhtml1-transitional.dtd\">",
    "", "", "<!-- first --><!DOCTYPE html>",
]
REFS = ["&amp;", "&amp", "&lt;", "&copy", "&copy;", "&copyx", "&copy=", "&notit;", "&notin;",
        "&#x41;", "&#65;", "&#0;", "&#x110000;", "&#xD800;", "&#128;", "&#x9F;", "&#x81;",
        "&#65", "&#x;", "&#;", "&", "& x", "&zzzz;", "&AElig", "&rsquo;", "&nbsp;", "&NotEqualTilde;",
        "&CounterClockwiseContourIntegral;", "&aacute", "&#8217;", "&#x2019"]
WORDS = ["caf\u00e9", "na\u00efve", "price", "cats", "dogs", "\u00e9t\u00e9", "word", "end"]
COMMENTS = ["<!-- c -->", "<!---->", "<!-->", "<!--->", "<!-- a -- b -->", "<!-- x --!>",
            "<!--<!-- nested -->", "<?php echo 1 ?>", "<!x y>", "<![CDATA[ x ]]>", "</ >",
            "<!-- multi\nline -->"]


def choice(rng, items):
    return items[rng.randrange(len(items))]


def text(rng):
    parts = []
    for _ in range(rng.randrange(1, 6)):
        parts.append(choice(rng, WORDS) if rng.random() < 0.7 else choice(rng, REFS))
    return " ".join(parts)


def value(rng):
    v = text(rng) if rng.random() < 0.5 else choice(rng, ["en", "x", "utf-8", "a b", ""])
    return v


def attribute(rng, name):
    if rng.random() < 0.3:
        name = name.upper()
    v = value(rng)
    q = rng.random()
    sep = choice(rng, [" ", "\n", "\n  ", "\t", " \r\n"])
    if q < 0.4:
        return sep + '%s="%s"' % (name, v.replace('"', ""))
    if q < 0.7:
        return sep + "%s='%s'" % (name, v.replace("'", ""))
    if q < 0.9 and v and " " not in v:
        return sep + "%s=%s" % (name, v)
    if q < 0.95:
        return sep + name
    return sep + "%s = \"%s\"" % (name, v.replace('"', ""))


def tag(rng, name, names):
    out = "<" + (name.upper() if rng.random() < 0.15 else name)
    for n in names:
        out += attribute(rng, n)
        if rng.random() < 0.1:
            out += attribute(rng, n)  # a duplicate: the first wins
    return out + choice(rng, [">", " >", "/>", "\n>"])


def head_element(rng):
    r = rng.random()
    if r < 0.3:
        return tag(rng, "meta", ["name", "content"])
    if r < 0.4:
        return tag(rng, "meta", ["charset"])
    if r < 0.5:
        return tag(rng, "link", ["rel", "href", "hreflang"])
    if r < 0.6:
        return "<title>" + text(rng) + choice(rng, ["", "<b>x</b>", "</titlex>", "</ti"]) + "</title>"
    if r < 0.66:
        return "<script>" + choice(rng, ["a<b", "<!--", "<!--<script>x</script>-->", "</scrip",
                                         "</script x", "'</div>'"]) + "</script>"
    if r < 0.72:
        return "<style>" + choice(rng, ["p{}", "</stylex>", "<!--", "a>b"]) + "</style>"
    if r < 0.8:
        return "<noscript>" + choice(rng, ["<link rel=stylesheet href=x>", "<img src=y>", "text"]) + "</noscript>"
    if r < 0.85:
        return tag(rng, "base", ["href"])
    if r < 0.9:
        return choice(rng, COMMENTS)
    if r < 0.95:
        return choice(rng, ["<noframes><p>x</noframes>", "<basefont size=3>", "<bgsound src=s>",
                            "<head>", "</p>", "</html x=1>", "<html data-late=1>"])
    return choice(rng, [" ", "\n", "\r\n", "\t"])


def head_cutter(rng):
    return choice(rng, ["<img src=x>", "hello", "<div>", "</br>", "</body>", "<p>text", "&amp;",
                        "<input type=hidden>", "<a href=x>", "x<meta name=x>", "<span>", "</html>",
                        "<frameset>"])


def body(rng):
    out = []
    for _ in range(rng.randrange(2, 15)):
        r = rng.random()
        if r < 0.3:
            out.append("<p>" + text(rng) + "</p>")
        elif r < 0.4:
            out.append(tag(rng, "a", ["href", "title"]) + text(rng) + "</a>")
        elif r < 0.45:
            out.append("<textarea>" + choice(rng, ["<b>x</b>", "&amp;", "</textareax>"]) + "</textarea>")
        elif r < 0.5:
            out.append("<xmp><p>" + text(rng) + "</xmp>")
        elif r < 0.55:
            out.append("<iframe><p>x</p></iframe>")
        elif r < 0.58:
            out.append("<noembed><b>x</noembed>")
        elif r < 0.62:
            out.append("<script>if(a<b&&c>d){document.write('<p>')}</script>")
        elif r < 0.66:
            out.append("<script><!--<script>x</script>--></script>")
        elif r < 0.7:
            out.append(choice(rng, COMMENTS))
        elif r < 0.74:
            out.append(tag(rng, "meta", ["name", "content"]))
        elif r < 0.78:
            out.append("<title>late " + text(rng) + "</title>")
        elif r < 0.82:
            out.append(tag(rng, "link", ["rel", "hreflang", "href"]))
        elif r < 0.85:
            out.append("<head>" if rng.random() < 0.5 else "<html lang=fr>")
        elif r < 0.9:
            out.append("<ul><li>" + text(rng) + "<li>" + text(rng) + "</ul>")
        elif r < 0.93:
            out.append("<table><tr><td>" + text(rng) + "</table>")
        elif r < 0.96:
            out.append("<noscript><p>no script</p></noscript>")
        else:
            out.append("<br/><hr>" + choice(rng, ["<", "< p>", "<3", "a < b", "</>", "<//x>"]))
    return "".join(out)


def page(rng):
    parts = []
    parts.append(choice(rng, DOCTYPES))
    parts.append(choice(rng, ["\n", "", " ", "\n\n"]))
    if rng.random() < 0.85:
        parts.append(tag(rng, "html", ["lang", "class", "dir"][: rng.randrange(0, 4)]))
    if rng.random() < 0.8:
        parts.append(choice(rng, ["<head>", "<HEAD>", "<head profile=x>", "\n<head>"]))
    for _ in range(rng.randrange(0, 10)):
        parts.append(head_element(rng))
    if rng.random() < 0.3:
        parts.append(head_cutter(rng))
        for _ in range(rng.randrange(0, 5)):
            parts.append(head_element(rng))
    if rng.random() < 0.7:
        parts.append("</head>")
    for _ in range(rng.randrange(0, 3)):
        parts.append(head_element(rng))
    if rng.random() < 0.1:
        parts.append(head_cutter(rng))
    if rng.random() < 0.8:
        parts.append(tag(rng, "body", ["class"]))
    parts.append(body(rng))
    r = rng.random()
    if r < 0.1:
        parts.append("<!-- unclosed comment <p>not a tag</p>")
    elif r < 0.15:
        parts.append("<p class=\"unfinished")
    elif r < 0.2:
        parts.append("<plaintext><p>plain &amp; text")
    elif r < 0.25:
        parts.append("<title>unclosed &amp; title")
    elif r < 0.3:
        parts.append("<!DOCTYPE html PUBLIC \"unfinished")
    elif r < 0.35:
        parts.append("text &am")
    elif r < 0.4:
        parts.append("<script>unclosed <!-- script")
    return "".join(parts) + choice(rng, ["", "\n", "</body></html>\n"])


def main():
    count, seed, directory = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3]
    rng = random.Random(seed)
    os.makedirs(directory, exist_ok=True)
    for i in range(count):
        html = page(rng)
        if rng.random() < 0.15:
            html = html.replace("\n", "\r\n")
        r = rng.random()
        if r < 0.3:
            data = html.encode("cp1252", "replace")  # a Windows-1252 page
        elif r < 0.4:
            data = b"\xef\xbb\xbf" + html.encode("utf-8")
        else:
            data = html.encode("utf-8")
        with open(os.path.join(directory, "page%04d.html" % i), "wb") as f:
            f.write(data)


main()
