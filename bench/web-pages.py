#!/usr/bin/env python3
"""Times the web view's pages over a store of 10,000 plan runs and an eight-hour hold.

Fills an SQLite store as the bench leaves one (the schema's statements read from
results/Schema.cpp): 10,000 completed runs of two models on three benches over 30 days, each with
two steps, eight measurements and 20 readings, a tenth of them failed with what decided them; then
one run holding 288,000 readings (eight hours at 10 a second). Starts `velmor-results serve` on it
and asks each page N times (one connection each), printing the median and p99 in ms.

    bench/web-pages.py BUILD_DIR [--requests 200] [--store FILE] [--fill-only]
"""
import argparse
import http.client
import os
import random
import re
import sqlite3
import statistics
import subprocess
import tempfile
import time
import uuid

HERE = os.path.dirname(os.path.abspath(__file__))


def schema_statements():
    text = open(os.path.join(HERE, "..", "results", "Schema.cpp"), encoding="utf-8").read()
    body = text[text.index("migrations{{"): text.index("}};")]
    statements = []
    for literal in re.finditer(r'QStringLiteral\(((?:\s*"(?:[^"\\]|\\.)*")+)\s*\)', body):
        parts = re.findall(r'"((?:[^"\\]|\\.)*)"', literal.group(1))
        statements.append("".join(parts).replace('\\"', '"'))
    version = int(re.search(r"schemaVersion = (\d+)", open(
        os.path.join(HERE, "..", "results", "Schema.h")).read()).group(1))
    return statements, version


def iso(seconds):
    return time.strftime("%Y-%m-%dT%H:%M:%S", time.gmtime(seconds)) + ".000Z"


def fill(path, runs=10000, hold=288000):
    db = sqlite3.connect(path)
    statements, version = schema_statements()
    for s in statements:
        db.execute(s)
    db.execute("CREATE TABLE schema_version (version INTEGER NOT NULL)")
    db.execute("INSERT INTO schema_version VALUES (?)", (version,))
    rnd = random.Random(7)
    start = time.time() - 31 * 86400
    names = ["+12 V at P1", "+5 V at P1", "+3.3 V at P1", "+12 V at P2", "+5 V at P2",
             "+3.3 V at P2", "+12 V at P3", "regulation +12 V"]
    limits = [(11.4, 12.6), (4.75, 5.25), (3.135, 3.465)] * 2 + [(11.4, 12.6), (None, 5.0)]
    nominal = [12, 5, 3.3] * 2 + [12, 1.0]
    reasons = ["crossed|P3|+12 V 11.29 V < 11.40 V|", "shutdown|P4||", "no-power|||",
               "crossed|P2|+5 V 5.31 V > 5.25 V|"]
    ids = []
    for i in range(runs):
        rid = str(uuid.UUID(int=rnd.getrandbits(128), version=4))
        ids.append(rid)
        t = start + i * 260
        serial = "PSU-%05d" % (i * 9 // 10)  # a tenth of the units tested twice
        model = "ATX-650" if i % 2 else "ATX-500"
        fail = rnd.random() < 0.1
        outcome = "fail" if fail else ("marginal" if rnd.random() < 0.05 else "pass")
        reason = rnd.choice(reasons) if fail else None
        db.execute("INSERT INTO runs (id, started_at, ended_at, end_state, host, port, unit_serial,"
                   " unit_model, operator, plan_name, plan_file, plan_text, profile, outcome,"
                   " failing_step, key_figure, reading_count, reason) VALUES"
                   " (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
                   (rid, iso(t), iso(t + 40), "completed", "bench-%d" % (1 + i % 3),
                    "/dev/ttyUSB0", serial, model, "А. Петров", "quick", "plans/quick.toml",
                    "# plan", "atx3", outcome, "corners" if fail else None,
                    "regulation +12 V 1.0 %", 40, reason))
        for seq, name in enumerate(["corners", "rows"]):
            db.execute("INSERT INTO run_steps VALUES (?,?,?,?,?,?,?,?,?,?,?)",
                       (rid, seq, "points", name, iso(t + 20 * seq), iso(t + 20 * seq + 20),
                        "fail" if fail and seq == 0 else "pass", "", 18, 2,
                        reason if fail and seq == 0 else None))
        for m, name in enumerate(names):
            low, high = limits[m]
            value = nominal[m] * (1 + rnd.gauss(0, 0.004))
            db.execute("INSERT INTO run_measurements (run_id, step_seq, seq, name, value, unit,"
                       " low, high, guard_low, guard_high, asked, outcome)"
                       " VALUES (?,?,?,?,?,?,?,?,?,?,?,?)",
                       (rid, 0, m, name, value, "%" if m == 7 else "V", low, high, None, None,
                        None, "pass"))
        db.executemany("INSERT INTO run_readings VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?)",
                       [(rid, s, s // 20, iso(t + 1 + s), 1, 20, 20, 20, 65, 128, 128, 128,
                         "judged") for s in range(40)])
    hid = str(uuid.UUID(int=rnd.getrandbits(128), version=4))
    t = start + runs * 260
    db.execute("INSERT INTO runs (id, started_at, ended_at, end_state, host, port, unit_serial,"
               " unit_model, operator, plan_name, plan_file, plan_text, profile, outcome,"
               " failing_step, key_figure, reading_count, reason) VALUES"
               " (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
               (hid, iso(t), iso(t + hold / 10 + 10), "completed", "bench-1", "/dev/ttyUSB0",
                "PSU-HOLD", "ATX-650", "А. Петров", "burn-in", "plans/burn-in.toml", "# plan",
                "atx3", "pass", None, "8 h at 50 %", hold, None))
    db.execute("INSERT INTO run_steps VALUES (?,?,?,?,?,?,?,?,?,?,?)",
               (hid, 0, "hold", "burn-in", iso(t), iso(t + hold / 10 + 5), "pass", "8 h at 50 %",
                hold - 20, 20, None))
    db.executemany("INSERT INTO run_readings VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?)",
                   ((hid, s, 0, time.strftime("%Y-%m-%dT%H:%M:%S", time.gmtime(t + 1 + s // 10))
                     + ".%03dZ" % (s % 10 * 100), 1, 128, 128, 128, 65, 128, 128, 128, "judged")
                    for s in range(hold)))
    # What the schema keeps of ended runs, as the migration to version 8 keeps it: a long run's
    # envelope, and the summary's tallies.
    for s in statements:
        if s.startswith("INSERT INTO"):
            db.execute(s)
    fill_tallies(db)
    db.commit()
    db.close()
    return ids, hid


def fill_tallies(db):
    """The summary's tallies of the completed runs, as results/RunTallies.cpp keeps them."""
    verdicts = "('pass', 'marginal', 'fail')"
    groups = {}
    for model, host, started, serial, outcome in db.execute(
            "SELECT COALESCE(unit_model, ''), host, started_at, unit_serial, outcome FROM runs "
            "WHERE end_state = 'completed' AND outcome IN %s ORDER BY started_at, id" % verdicts):
        g = groups.setdefault((model, host, started[:10]), [0, 0, 0, 0, set()])
        passed = outcome != "fail"
        g[0] += 1
        g[1] += passed
        if not serial or serial not in g[4]:
            g[4].add(serial)
            g[2] += 1
            g[3] += passed
    db.executemany("INSERT INTO run_tallies VALUES (?,?,?,?,?,?,?)",
                   [k + tuple(g[:4]) for k, g in groups.items()])
    db.execute("INSERT INTO step_fail_tallies SELECT COALESCE(r.unit_model, ''), r.host, "
               "substr(r.started_at, 1, 10), s.name, COUNT(*) FROM run_steps s JOIN runs r ON "
               "r.id = s.run_id WHERE s.outcome = 'fail' AND r.end_state = 'completed' AND "
               "r.outcome IN %s GROUP BY 1, 2, 3, 4" % verdicts)
    nominal = {"+12 V": 12.0, "+5 V": 5.0, "+3.3 V": 3.3}
    points = {}
    for model, plan, step, seq, name, value, low, high in db.execute(
            "SELECT COALESCE(r.unit_model, ''), r.plan_name, s.name, m.step_seq, m.name, m.value, "
            "m.low, m.high FROM run_measurements m JOIN run_steps s ON s.run_id = m.run_id AND "
            "s.seq = m.step_seq JOIN runs r ON r.id = m.run_id WHERE r.end_state = 'completed' "
            "AND r.outcome IN %s AND s.kind = 'points' AND m.unit = 'V' AND m.low IS NOT NULL "
            "AND m.high IS NOT NULL" % verdicts):
        match = re.match(r"^(\+12 V|\+5 V|\+3\.3 V) at P[1-9][0-9]{0,5}$", name)
        if not match:
            continue
        n = nominal[match.group(1)]
        half_step = n * 0.4 / 255 / 2  # the reading span is 80..120 % of nominal in 255 steps
        inside = n * 0.8 + half_step < value < n * 1.2 - half_step
        if not (inside and 0 <= low <= n <= high <= 10 * n):
            continue
        t = points.setdefault((model, plan, step, name, low, high), [seq, 0, 0.0, 0.0])
        t[0] = min(t[0], seq)
        t[1] += 1
        before = value - t[2]
        t[2] += before / t[1]
        t[3] += before * (value - t[2])
    db.executemany("INSERT INTO point_tallies VALUES (?,?,?,?,?,?,?,?,?,?)",
                   [k + tuple(t) for k, t in points.items()])


def cpu_ms(pid):
    """The server's CPU time so far (user and system), in ms: on a busy machine the wall time
    waits for a core, this does not."""
    fields = open("/proc/%d/stat" % pid).read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) * 1000 / os.sysconf("SC_CLK_TCK")


def timed(port, path, n):
    times = []
    for _ in range(n):
        begin = time.perf_counter()
        c = http.client.HTTPConnection("127.0.0.1", port, timeout=60)
        c.request("GET", path, headers={"Host": "localhost"})
        r = c.getresponse()
        body = r.read()
        times.append((time.perf_counter() - begin) * 1000)
        c.close()
        if r.status != 200:
            raise SystemExit("%s: %d %s" % (path, r.status, body[:200]))
    times.sort()
    return statistics.median(times), times[min(len(times) - 1, int(len(times) * 0.99))], len(body)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build")
    parser.add_argument("--requests", type=int, default=200)
    parser.add_argument("--store", help="the store's file; filled when missing, else reused")
    parser.add_argument("--fill-only", action="store_true")
    args = parser.parse_args()
    folder = tempfile.mkdtemp(prefix="velmor-web-pages-")
    store = args.store or os.path.join(folder, "results.sqlite")
    if os.path.exists(store):  # filled before: its runs' ids read back
        db = sqlite3.connect(store)
        ids = [r[0] for r in db.execute("SELECT id FROM runs WHERE plan_name = 'quick' "
                                        "ORDER BY started_at")]
        hold = db.execute("SELECT id FROM runs WHERE plan_name = 'burn-in'").fetchone()[0]
        db.close()
    else:
        began = time.time()
        ids, hold = fill(store)
        print("filled %s in %.0f s" % (store, time.time() - began))
    if args.fill_only:
        return
    server = subprocess.Popen([os.path.join(args.build, "velmor-results"), "--language", "en",
                               "--results", "sqlite:" + store, "serve", "--listen",
                               "127.0.0.1:0"], stdout=subprocess.PIPE, text=True)
    try:
        line = server.stdout.readline()
        port = int(re.search(r":(\d+)/", line).group(1))
        pages = [
            ("list", "/"),
            ("run page", "/record/" + ids[5000]),
            ("eight-hour hold's page", "/record/" + hold),
            ("unit page", "/unit?serial=PSU-04500"),
            ("summary", "/summary"),
            ("failures by cause", "/pareto"),
            ("failures by cause, one model and bench", "/pareto?model=ATX-650&bench=bench-2"),
            ("charts page", "/charts?model=ATX-650"),
            ("repeatability", "/repeatability?unit=PSU-04500&plan=quick"),
            ("picture: yield per day", "/chart/yield.png"),
            ("picture: control chart", "/chart/control.png?model=ATX-650"),
            ("picture: a run's volts", "/record/" + ids[5000] + "/volts.png"),
            ("picture: the hold's volts", "/record/" + hold + "/volts.png"),
            ("measurements CSV, one model (5,000 runs)", "/measurements.csv?model=ATX-650"),
        ]
        # The server's first answers open each worker's connection and warm the store's cache:
        # timed apart, so that they are not charged to the first page of the table.
        cpu = cpu_ms(server.pid)
        first, _, _ = timed(port, "/", 4)
        print("first 4 answers after the start: median %.1f ms, server CPU %.1f ms each"
              % (first, (cpu_ms(server.pid) - cpu) / 4))
        print("| page | median | p99 | server CPU per answer | bytes |")
        print("|---|---|---|---|---|")
        for name, path in pages:
            n = args.requests if "hold's volts" not in name else max(5, args.requests // 20)
            cpu = cpu_ms(server.pid)
            median, p99, size = timed(port, path, n)
            cpu = (cpu_ms(server.pid) - cpu) / n
            print("| %s | %.1f ms | %.1f ms | %.1f ms | %d |" % (name, median, p99, cpu, size),
                  flush=True)
    finally:
        server.terminate()
        server.wait(10)


if __name__ == "__main__":
    main()
