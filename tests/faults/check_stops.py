#!/usr/bin/env python3
"""Runs that cannot go as planned: worker threads that cannot start, memory
that runs out, and SIGINT or SIGTERM during a run. In every case each format
stays whole: json and sarif parse, text and gnu end after a whole line.

    check_stops.py PAGEVET LIBRARY PAGE CLEAN

LIBRARY is the preloaded fault injector (faults/pannes.c); PAGE a page with
many findings, copied to make a site whose report is megabytes long; CLEAN
a page without findings, for the memory that runs out (a finding's JSON
value may itself need memory to be destroyed, which no program can help)."""
import array
import fcntl
import json
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import termios
import time

pagevet, shim, page, clean = (os.path.realpath(a) for a in sys.argv[1:5])
failures = []
F_GETPIPE_SZ = 1032  # Linux
FORMATS = ("text", "gnu", "json", "sarif")


def run(site, fmt, jobs, **fault):
    env = dict(os.environ, LC_ALL="C")
    if fault:
        env["LD_PRELOAD"] = shim
        env.update({"PAGEVET_FAULT_" + k if k != "FAULT" else "PAGEVET_FAULT": str(v)
                    for k, v in fault.items()})
    return subprocess.run([pagevet, "--format=" + fmt, "--jobs=%d" % jobs, "*.htm"], cwd=site,
                          env=env, capture_output=True, timeout=120)


def document(what, out):
    try:
        return json.loads(out)
    except ValueError as e:
        failures.append("%s: the document does not parse: %s" % (what, e))
        return None


def records(what, out):
    """A jsonl report: every line a JSON value, the last one its end."""
    try:
        lines = [json.loads(line) for line in out.splitlines()]
    except ValueError as e:
        failures.append("%s: a record does not parse: %s" % (what, e))
        return None
    if not lines or lines[-1].get("type") != "end":
        failures.append("%s: the records have no end record" % what)
        return None
    return lines


def errors_and_status(fmt, doc):
    if fmt == "jsonl":
        return [r["message"] for r in doc if r["type"] == "error"], doc[-1]["status"]
    if fmt == "json":
        return doc["errors"], doc["status"]
    invocation = doc["runs"][0]["invocations"][0]
    return ([n["message"]["text"] for n in invocation["toolExecutionNotifications"]],
            invocation["exitCode"])


def until_full(process):
    """Waits until the run has filled its output pipe: it is now stuck
    writing, with the handlers in place, and cannot end on its own."""
    capacity = fcntl.fcntl(process.stdout, F_GETPIPE_SZ)
    while True:
        waiting = array.array("i", [0])
        fcntl.ioctl(process.stdout, termios.FIONREAD, waiting)
        if waiting[0] >= capacity:
            return
        time.sleep(0.01)


def make_site(root, pages, source=page):
    os.makedirs(root)
    for i in range(pages):
        shutil.copy(source, os.path.join(root, "p%04d.htm" % i))
    return root


work = tempfile.mkdtemp()
try:
    small = make_site(os.path.join(work, "small"), 40)

    # Threads that cannot start: fewer workers, the same report; a word on
    # standard error only when none started.
    for fmt in FORMATS:
        plain = run(small, fmt, 1)
        for jobs in (2, 8):
            for at, times in ((1, 1), (2, 1), (1, 0), (2, 0)):
                what = "%s/%d pthread_create from call %d, %s" % (
                    fmt, jobs, at, "then all" if times == 0 else "once")
                r = run(small, fmt, jobs, FAULT="pthread_create", AT=at, TIMES=times,
                        ERRNO="EAGAIN")
                if (r.returncode, r.stdout) != (plain.returncode, plain.stdout):
                    failures.append("%s: status %d or report differs from 1 job" %
                                    (what, r.returncode))
                none = at == 1 and times == 0
                said = b"cannot start a worker thread" in r.stderr
                if said != none or (not none and r.stderr):
                    failures.append("%s: standard error: %r" % (what, r.stderr[:200]))

    # Memory that runs out at the n-th allocation: the document is whole and
    # is the 1-job report, or ends with the "out of memory" error, status 2.
    small = make_site(os.path.join(work, "clean"), 40, clean)
    seen = 0
    # (sarif is left out: its header is one JSON value built in memory, and
    # such a value may need memory to be destroyed, which ends the process.)
    for fmt in ("json", "jsonl"):
        plain = run(small, fmt, 1)
        for jobs in (2, 8):
            for at in range(150, 4000, 61):
                what = "%s/%d malloc %d" % (fmt, jobs, at)
                r = run(small, fmt, jobs, FAULT="malloc", AT=at)
                if r.stdout == b"" and r.returncode == 2 and r.stderr == b"pagevet: out of memory\n":
                    continue  # the document could not even begin: none at all
                doc = records(what, r.stdout) if fmt == "jsonl" else document(what, r.stdout)
                if doc is None:
                    continue
                errors, status = errors_and_status(fmt, doc)
                if r.returncode == 2 and errors == ["out of memory"] and status == 2:
                    seen += 1
                elif r.returncode == 2 and len(errors) == 1 and "ouverture" in errors[0]:
                    pass  # the host's own allocation failed: a page that cannot be opened
                elif (r.returncode, r.stdout) != (plain.returncode, plain.stdout):
                    failures.append("%s: status %d, errors %r" % (what, r.returncode, errors))
    if seen == 0:
        failures.append("malloc: no run ran out of memory; the sweep misses the pages")

    # SIGTERM and SIGINT during a run: the output is a pipe that is not read
    # until the signal is sent, so the run cannot be over by then.
    big = make_site(os.path.join(work, "big"), 1500)
    full = {fmt: run(big, fmt, 1).stdout for fmt in FORMATS}
    for sig, status in ((signal.SIGTERM, 143), (signal.SIGINT, 130)):
        for fmt in FORMATS:
            for jobs in (1, 2, 8):
                what = "%s/%d %s" % (fmt, jobs, sig.name)
                p = subprocess.Popen([pagevet, "--format=" + fmt, "--jobs=%d" % jobs, "*.htm"],
                                     cwd=big, stdout=subprocess.PIPE, stderr=subprocess.PIPE, bufsize=0,
                                     env=dict(os.environ, LC_ALL="C"))
                until_full(p)
                p.send_signal(sig)
                out, err = p.communicate(timeout=120)
                if p.returncode != status:
                    failures.append("%s: exit status %d" % (what, p.returncode))
                if err != b"pagevet: interrupted\n":
                    failures.append("%s: standard error %r" % (what, err[:200]))
                if fmt in ("text", "gnu"):
                    if not out.endswith(b"\n") or not full[fmt].startswith(out) \
                            or len(out) >= len(full[fmt]):
                        failures.append("%s: not a whole-line prefix of the report" % what)
                else:
                    doc = document(what, out)
                    if doc is not None and errors_and_status(fmt, doc) != (["interrupted"], status):
                        failures.append("%s: errors and status %r" %
                                        (what, errors_and_status(fmt, doc)))
                    if len(out) >= len(full[fmt]):
                        failures.append("%s: the run was not stopped" % what)

    # A second signal ends the run at once, whatever it is doing.
    for first_sig, second in ((signal.SIGTERM, signal.SIGTERM), (signal.SIGINT, signal.SIGTERM)):
        p = subprocess.Popen([pagevet, "--format=json", "--jobs=2", "*.htm"], cwd=big,
                             stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, bufsize=0)
        until_full(p)
        p.send_signal(first_sig)
        time.sleep(0.5)  # two signals pending at once would count as one
        p.send_signal(second)
        p.communicate(timeout=120)
        if p.returncode != -second:
            failures.append("%s then %s: exit status %d, not killed" %
                            (first_sig.name, second.name, p.returncode))
finally:
    shutil.rmtree(work)

for f in failures:
    print("FAIL:", f)
print("stops: %d failure(s)" % len(failures) if failures else "stops: all checks passed")
sys.exit(1 if failures else 0)
