#!/usr/bin/env python3
"""Runs a command twice, once with standard error on a pseudo-terminal and
once on a pipe (standard output to a file both times), and checks what a
user sees on the terminal:

- standard output and the exit status are the same in both runs;
- on the pipe, standard error holds no carriage return, no escape sequence
  and no closing summary (unless --summary-given);
- on the terminal, once the bytes are played on an emulated screen, what
  stays is the pipe run's lines followed by one closing line
  `pagevet: N pages examined, N with findings, N findings (N errors,
  N warnings, N notes)` whose counts add up: any progress line was erased;
- with --expect-progress, a line was rewritten in place ('\\r' over text).

  pty_run.py [--expect-progress] [--summary-given] [--pages N] [--findings N]
             [--columns N] [--timeout S] -- COMMAND [ARG...]
  pty_run.py --self-test

Exit status 0 when every check holds, 1 otherwise (each fault on a line).
"""

import argparse
import fcntl
import os
import pty
import re
import select
import struct
import subprocess
import sys
import tempfile
import termios
import time
import tty

SUMMARY = re.compile(
    r"^pagevet: (\d+) pages? examined, (\d+) with findings, (\d+) findings? "
    r"\((\d+) errors?, (\d+) warnings?, (\d+) notes?\)$")


def run_on_pipe(command, timeout):
    with tempfile.TemporaryFile() as out:
        done = subprocess.run(command, stdin=subprocess.DEVNULL, stdout=out,
                              stderr=subprocess.PIPE, timeout=timeout)
        out.seek(0)
        return done.returncode, out.read(), done.stderr


def run_on_pty(command, timeout, columns):
    master, slave = pty.openpty()
    # Raw: the bytes arrive as the program wrote them, with no '\n' made
    # into "\r\n" on the way; the screen emulation does what a terminal does.
    tty.setraw(slave)
    fcntl.ioctl(slave, termios.TIOCSWINSZ, struct.pack("HHHH", 24, columns, 0, 0))
    err = bytearray()
    with tempfile.TemporaryFile() as out:
        process = subprocess.Popen(command, stdin=subprocess.DEVNULL, stdout=out,
                                   stderr=slave)
        os.close(slave)
        limit = time.monotonic() + timeout
        while True:
            if time.monotonic() > limit:
                process.kill()
                raise subprocess.TimeoutExpired(command, timeout)
            ready, _, _ = select.select([master], [], [], 0.1)
            if not ready:
                continue
            try:
                piece = os.read(master, 65536)
            except OSError:  # EIO: every writer has closed the terminal
                break
            if not piece:
                break
            err += piece
        os.close(master)
        status = process.wait(timeout=max(1.0, limit - time.monotonic()))
        out.seek(0)
        return status, out.read(), bytes(err)


def play(stream, columns):
    """The lines a terminal of `columns` columns shows once `stream` is
    written to it (a line the terminal wrapped read as one, as a copy from
    the screen gives it), trailing blanks dropped, and how many times a
    carriage return went back over text on its row."""
    lines, row, col, rewrites = [[]], 0, 0, 0
    wrapped = set()  # the rows that go on in the next one
    text = stream.decode("utf-8", errors="replace")
    i = 0
    while i < len(text):
        c = text[i]
        i += 1
        line = lines[row]
        if c == "\r":
            if any(ch != " " for ch in line):
                rewrites += 1
            col = 0
        elif c == "\n":
            row, col = row + 1, 0
            if row == len(lines):
                lines.append([])
        elif c == "\b":
            col = max(0, col - 1)
        elif c == "\x1b":
            match = re.match(r"\[([0-9;?]*)([@-~])", text[i:])
            if not match:
                continue
            i += match.end()
            if match.group(2) == "K":
                mode = match.group(1) or "0"
                if mode == "0":
                    del line[col:]
                elif mode == "1":
                    line[:col + 1] = [" "] * min(len(line), col + 1)
                elif mode == "2":
                    line[:] = [" "] * len(line)
        elif c >= " ":
            if col == columns:  # the terminal wraps the line
                wrapped.add(row)
                row, col = row + 1, 0
                if row == len(lines):
                    lines.append([])
                line = lines[row]
            line.extend(" " * (col + 1 - len(line)))
            line[col] = c
            col += 1
    shown = []
    for number, line in enumerate(lines):
        if number - 1 in wrapped:
            shown[-1] += "".join(line)
        else:
            shown.append("".join(line))
    shown = [line.rstrip() for line in shown]
    if shown and shown[-1] == "":
        shown.pop()
    return shown, rewrites


def summary_faults(line, pages, findings):
    match = SUMMARY.match(line)
    if not match:
        return ["the closing line is not a summary: %r" % line]
    examined, with_findings, total, errors, warnings, notes = map(int, match.groups())
    faults = []
    if errors + warnings + notes != total:
        faults.append("the levels of the summary do not add up: %r" % line)
    if with_findings > examined or with_findings > total or (total > 0) != (with_findings > 0):
        faults.append("the pages with findings do not fit the counts: %r" % line)
    if pages is not None and examined != pages:
        faults.append("the summary counts %d pages, not %d" % (examined, pages))
    if findings is not None and total != findings:
        faults.append("the summary counts %d findings, not %d" % (total, findings))
    return faults


def check(command, expect_progress=False, summary_given=False, pages=None, findings=None,
          columns=80, timeout=300):
    """The faults of the command's two runs, [] when there is none."""
    pipe_status, pipe_out, pipe_err = run_on_pipe(command, timeout)
    pty_status, pty_out, pty_err = run_on_pty(command, timeout, columns)
    faults = []
    if pty_out != pipe_out:
        faults.append("standard output differs when standard error is a terminal")
    if pty_status != pipe_status:
        faults.append("status %d on a terminal, %d on a pipe" % (pty_status, pipe_status))
    if b"\r" in pipe_err or b"\x1b" in pipe_err:
        faults.append("a carriage return or an escape sequence on a pipe")
    pipe_lines = pipe_err.decode("utf-8", errors="replace").splitlines()
    if summary_given:
        if pipe_lines and SUMMARY.match(pipe_lines[-1]):
            faults += summary_faults(pipe_lines.pop(), pages, findings)
        else:
            faults.append("no closing summary on a pipe with --summary")
    elif any(SUMMARY.match(l) for l in pipe_lines):
        faults.append("a closing summary on a pipe without --summary")
    shown, rewrites = play(pty_err, columns)
    if shown and SUMMARY.match(shown[-1]):
        faults += summary_faults(shown.pop(), pages, findings)
    else:
        faults.append("no closing summary on the terminal, whose last line is %r"
                      % (shown[-1] if shown else ""))
    if shown != pipe_lines:
        faults.append("left on the terminal: %r, where the pipe run wrote %r" % (shown, pipe_lines))
    if expect_progress and rewrites == 0:
        faults.append("no progress line was rewritten in place")
    return faults


# The self-test: a fake program plays each way a run can go right or wrong,
# and the checks must find exactly the expected fault.
GOOD_SUMMARY = "pagevet: 3 pages examined, 2 with findings, 4 findings (1 error, 2 warnings, 1 note)"


def fake(mode, argv):
    terminal = os.isatty(2)
    err = sys.stderr
    print("a.htm\nb.htm\nc.htm")
    if mode == "stdout-differs" and terminal:
        print("progress on the wrong stream")
    sys.stdout.flush()
    err.write("pagevet: one error line\n")
    if terminal and mode != "no-progress":
        width = 100 if mode == "too-wide" else 30
        for page in range(1, 4):
            err.write(("\r%d/3 pages, %d findings" % (page, page)).ljust(width))
            err.flush()
        if mode != "not-erased":
            err.write("\r\x1b[K")
        else:
            err.write("\n")
    summary = {"bad-sums": GOOD_SUMMARY.replace("2 warnings", "3 warnings")}.get(mode, GOOD_SUMMARY)
    if mode != "no-summary" and (terminal or "--summary" in argv or mode == "summary-on-pipe"):
        err.write(summary + "\n")
    return 1


SELF_TESTS = [
    # (fake mode, its arguments, check options, the expected faults in order)
    ("good", [], {"expect_progress": True, "pages": 3, "findings": 4}, []),
    ("good", ["--summary"], {"expect_progress": True, "summary_given": True}, []),
    ("no-progress", [], {}, []),
    ("no-progress", [], {"expect_progress": True}, ["no progress line"]),
    ("good", [], {"pages": 5, "findings": 2},
     ["counts 3 pages, not 5", "counts 4 findings, not 2"]),
    ("stdout-differs", [], {}, ["standard output differs"]),
    ("not-erased", [], {}, ["left on the terminal"]),
    # Wider than the terminal: '\r' goes back to the start of the last row
    # only, and the rows above stay on the screen.
    ("too-wide", [], {}, ["no closing summary on the terminal", "left on the terminal"]),
    ("no-summary", [], {}, ["no closing summary on the terminal"]),
    ("no-summary", ["--summary"], {"summary_given": True},
     ["no closing summary on a pipe", "no closing summary on the terminal"]),
    ("bad-sums", [], {}, ["do not add up"]),
    ("summary-on-pipe", [], {}, ["a closing summary on a pipe", "left on the terminal"]),
]


def self_test():
    wrong = 0
    for mode, extra, options, expected in SELF_TESTS:
        command = [sys.executable, os.path.abspath(__file__), "--fake", mode] + extra
        faults = check(command, timeout=60, **options)
        good = len(faults) == len(expected) and all(e in f for e, f in zip(expected, faults))
        wrong += not good
        print("%s %s %s: %s" % ("ok  " if good else "FAIL", mode, " ".join(extra),
                                "; ".join(faults) or "no fault"))
    print("%d of %d self-test cases wrong" % (wrong, len(SELF_TESTS)))
    return 1 if wrong else 0


def main():
    if len(sys.argv) > 2 and sys.argv[1] == "--fake":
        return fake(sys.argv[2], sys.argv[3:])
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--self-test", action="store_true")
    parser.add_argument("--expect-progress", action="store_true")
    parser.add_argument("--summary-given", action="store_true")
    parser.add_argument("--pages", type=int)
    parser.add_argument("--findings", type=int)
    parser.add_argument("--columns", type=int, default=80)
    parser.add_argument("--timeout", type=float, default=300)
    parser.add_argument("command", nargs="*")
    args = parser.parse_args()
    if args.self_test:
        return self_test()
    if not args.command:
        parser.error("no command to run")
    faults = check(args.command, args.expect_progress, args.summary_given, args.pages,
                   args.findings, args.columns, args.timeout)
    for fault in faults:
        print("pty_run: " + fault, file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
