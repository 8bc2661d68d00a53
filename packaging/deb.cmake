# The Debian package: `cpack -G DEB` in a build directory writes
# pagevet_<version>_<arch>.deb with what `cmake --install` installs, under /usr.
set(CPACK_PACKAGE_NAME pagevet)
set(CPACK_PACKAGE_VENDOR "pagevet developers")
set(CPACK_PACKAGE_CONTACT "pagevet developers <pagevet@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "verify the meta-tags of HTML files")
# The long description, printed by `apt show` below the summary.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "pagevet walks a directory tree, finds the HTML pages that match its masks
and reports, line by line, what breaks the rules of a well-kept page header:
HEAD before BODY, TITLE on one line, one tag per line in the header, meta
tags in one strict form, the six usual meta names declared once each and no
tag unknown to HTML 3.2. With /d it also compares the keywords meta tag with
the words of the text. It never changes a file.")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The C and C++ runtime libraries, as dpkg-shlibdeps reads them off the binary.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

include(CPack)
