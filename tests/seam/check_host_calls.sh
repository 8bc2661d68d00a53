#!/usr/bin/env bash
# Fails when the program's code talks to the host anywhere but through its
# platform layer, platform/: a host header, or a call of the
# host's file, directory, descriptor, clock, locale or terminal API. Stream
# I/O on an already open FILE* (fread, fwrite, fprintf, fclose...) is C
# stdio and may be used anywhere; opening a file by its path may not.
#
#   tests/seam/check_host_calls.sh [ROOT]    (ROOT: the source tree, default ..)
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/../.." && pwd)}
cd "$root"

headers='csignal|signal\.h|dirent\.h|fcntl\.h|unistd\.h|langinfo\.h|locale\.h|clocale|termios\.h|pwd\.h|grp\.h|sys/[a-z_]+\.h|ctime|time\.h|filesystem'
calls='opendir|fdopendir|readdir|closedir|scandir|stat|lstat|fstat|fstatat|statx|open|openat|creat|close|read|write|pread|pwrite|lseek|fopen|freopen|fdopen|fileno|dup|dup2|fcntl|ioctl|isatty|ttyname|newlocale|freelocale|uselocale|setlocale|nl_langinfo|nl_langinfo_l|getcwd|chdir|fchdir|mkdir|rmdir|unlink|rename|remove|chmod|fchmod|umask|access|utime|utimes|futimens|utimensat|time|clock|clock_gettime|gettimeofday|localtime|localtime_r|gmtime|mktime|getenv|sysconf|mmap|pipe|fork|exec[lv]p?e?|system|popen|tmpfile|mkstemp|mkdtemp|sigaction|signal|raise|kill|sigprocmask|pthread_sigmask'

found=0
while IFS= read -r -d '' file; do
  # Comments are not code: drop // comments before looking.
  hits=$(sed 's://.*$::' "$file" | grep -nE "^[[:space:]]*#[[:space:]]*include[[:space:]]*<($headers)>|(^|[^A-Za-z0-9_.>:])(::|std::)?($calls)[[:space:]]*\(" || true)
  if [ -n "$hits" ]; then
    printf '%s\n' "$hits" | sed "s|^|$file:|"
    found=1
  fi
done < <(find foundation html files checker report run datetime \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)

if [ $found -ne 0 ]; then
  echo "host calls outside platform/: route them through the platform layer" >&2
  exit 1
fi
echo "no host call outside platform/"
