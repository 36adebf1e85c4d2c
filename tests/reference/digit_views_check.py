#!/usr/bin/env python3
"""The JSON members "calendar", "mini" and "pairs" of `show 曜日・月別分析`,
`show ミニ分析` and `show ペア分析` against the definitions, worked out here
from the same CSV files without the program's code.

  digit_views_check.py CLI HISTORY.csv [RESULTS.csv]   one history
  digit_views_check.py CLI --generated                  generated histories with
                                                        holes, incomplete draws and
                                                        missing dates

Exit 1 on the first difference."""
import csv, datetime, json, math, os, random, subprocess, sys, tempfile

WEEKDAYS = ["月", "火", "水", "木", "金", "土", "日"]


def upper_tail(x, df):
    """P(χ²(df) > x): the regularized upper incomplete gamma Q(df/2, x/2)."""
    a, x = df / 2.0, x / 2.0
    if x <= 0:
        return 1.0
    if x < a + 1:  # series for P, then 1 - P
        term = total = 1.0 / a
        n = a
        while abs(term) > abs(total) * 1e-16:
            n += 1
            term *= x / n
            total += term
        return 1.0 - total * math.exp(-x + a * math.log(x) - math.lgamma(a))
    # continued fraction for Q (Lentz)
    b = x + 1 - a
    c = 1e300
    d = 1 / b
    h = d
    i = 1
    while True:
        an = -i * (i - a)
        b += 2
        d = an * d + b
        d = 1e-300 if abs(d) < 1e-300 else d
        c = b + an / c
        c = 1e-300 if abs(c) < 1e-300 else c
        d = 1 / d
        delta = d * c
        h *= delta
        if abs(delta - 1) < 1e-16:
            break
        i += 1
    return math.exp(-x + a * math.log(x) - math.lgamma(a)) * h


def read_draws(path):
    draws = []
    with open(path, encoding="utf-8-sig", newline="") as f:
        for row in csv.reader(f):
            if not row or not row[0].strip().isdigit():
                continue
            digits = [int(x) if x.strip().isdigit() else None for x in row[1:4]]
            draws.append((int(row[0]), digits))
    return sorted(draws)


def read_dates(path):
    dates = {}
    if not path:
        return dates
    with open(path, encoding="utf-8-sig", newline="") as f:
        for row in csv.reader(f):
            if row and row[0].strip().isdigit() and len(row) > 1 and row[1]:
                dates[int(row[0])] = row[1]
    return dates


def complete(digits):
    return all(d is not None and 0 <= d <= 9 for d in digits)


def expected_calendar(draws, dates):
    counted = []
    for no, digits in draws:
        if not complete(digits) or no not in dates:
            continue
        try:
            day = datetime.date.fromisoformat(dates[no])
        except ValueError:
            continue
        counted.append((day, digits))
    def rows(key, name, keys):
        out = []
        for k in keys:
            sel = [d for day, d in counted if key(day) == k]
            if sel:
                out.append({name: WEEKDAYS[k] if name == "weekday" else k, "draws": len(sel),
                            "digits": [[sum(1 for d in sel if d[p] == v) for v in range(10)] for p in range(3)]})
        return out
    weekdays = rows(lambda d: d.weekday(), "weekday", range(7))
    months = rows(lambda d: d.month, "month", range(1, 13))
    tests = []
    for label, table in (("曜日", weekdays), ("月", months)):
        for p in range(3):
            cols = [v for v in range(10) if sum(r["digits"][p][v] for r in table) > 0]
            t = {"name": f"{label}×第{p + 1}数字", "chi2": None, "df": None, "p": None, "adjustedP": None}
            if len(table) >= 2 and len(cols) >= 2:
                n = sum(r["draws"] for r in table)
                chi2 = 0.0
                for r in table:
                    for v in cols:
                        e = r["draws"] * sum(s["digits"][p][v] for s in table) / n
                        chi2 += (r["digits"][p][v] - e) ** 2 / e
                df = (len(table) - 1) * (len(cols) - 1)
                t.update(chi2=chi2, df=df, p=upper_tail(chi2, df))
            tests.append(t)
    ran = sum(1 for t in tests if t["p"] is not None)
    for t in tests:
        if t["p"] is not None:
            t["adjustedP"] = min(1.0, t["p"] * ran)
    return {"draws": len(counted), "weekdays": weekdays, "months": months, "tests": tests}


def expected_mini(draws):
    seq = [d[1] * 10 + d[2] for _, d in draws if complete(d)]
    nos = [no for no, d in draws if complete(d)]
    n = len(seq)
    items = []
    for v in range(100):
        at = [i for i, x in enumerate(seq) if x == v]
        runs, prev = [], -1
        for i in at:
            runs.append(i - prev - 1)
            prev = i
        runs.append(n - prev - 1)
        items.append({"number": f"{v:02d}", "count": len(at), "expected": n / 100,
                      "last": nos[at[-1]] if at else None, "since": n - 1 - at[-1] if at else n,
                      "longestGap": max(runs)})
    chi2 = sum((it["count"] - n / 100) ** 2 / (n / 100) for it in items) if n else None
    return {"draws": n, "items": items, "chi2": chi2, "df": 99, "p": upper_tail(chi2, 99) if n else None}


def expected_pairs(draws):
    seq = [d for _, d in draws if complete(d)]
    n = len(seq)
    positions = []
    for a, b in ((0, 1), (0, 2), (1, 2)):
        items = [{"pair": f"{x}{y}", "count": sum(1 for d in seq if d[a] == x and d[b] == y)}
                 for x in range(10) for y in range(10)]
        chi2 = sum((it["count"] - n / 100) ** 2 / (n / 100) for it in items) if n else None
        p = upper_tail(chi2, 99) if n else None
        positions.append({"positions": f"{a + 1}{b + 1}", "items": items, "chi2": chi2, "df": 99, "p": p,
                          "adjustedP": min(1.0, 3 * p) if n else None})
    return {"draws": n, "positions": positions}


def same(a, b, where):
    if isinstance(a, dict) and isinstance(b, dict):
        if list(a) != list(b):
            raise AssertionError(f"{where}: members {list(a)} != {list(b)}")
        for k in a:
            same(a[k], b[k], f"{where}.{k}")
    elif isinstance(a, list) and isinstance(b, list):
        if len(a) != len(b):
            raise AssertionError(f"{where}: {len(a)} items != {len(b)}")
        for i, (x, y) in enumerate(zip(a, b)):
            same(x, y, f"{where}[{i}]")
    elif isinstance(a, float) or isinstance(b, float):
        if a is None or b is None or abs(a - b) > 1e-8 * max(1.0, abs(b)):
            raise AssertionError(f"{where}: {a} != {b}")
    elif a != b:
        raise AssertionError(f"{where}: {a!r} != {b!r}")


def check(cli, history, results):
    with tempfile.TemporaryDirectory() as work:
        db = os.path.join(work, "check.db")
        for f in [history] + ([results] if results else []):
            # Generated dates skip days at random: off the draw schedule on purpose.
            subprocess.run([cli, "--db", db, "import", f, "--allow-off-schedule", "--allow-gap"], check=True,
                           capture_output=True)
        draws, dates = read_draws(history), read_dates(results)
        for window, member, want in (("曜日・月別分析", "calendar", expected_calendar(draws, dates)),
                                     ("ミニ分析", "mini", expected_mini(draws)),
                                     ("ペア分析", "pairs", expected_pairs(draws))):
            out = subprocess.run([cli, "--db", db, "show", window, "--format", "json"], check=True,
                                 capture_output=True, text=True).stdout
            same(json.loads(out)[member], want, f"{os.path.basename(history)} {window} {member}")


def generated(work, seed, draws, hole_every, incomplete_every, undated_every, dated):
    rng = random.Random(seed)
    history, results = os.path.join(work, f"h{seed}.csv"), os.path.join(work, f"r{seed}.csv")
    day = datetime.date(2004, 7, 1)
    with open(history, "w", encoding="utf-8") as h, open(results, "w", encoding="utf-8") as r:
        h.write("回数,第1数字,第2数字,第3数字\n")
        r.write("回号,抽せん日,第1数字,第2数字,第3数字\n")
        for no in range(1, draws + 1):
            day += datetime.timedelta(days=rng.choice([1, 1, 1, 2, 3]))
            if hole_every and no % hole_every == 0:
                continue
            digits = [str(rng.randrange(10)) for _ in range(3)]
            if incomplete_every and no % incomplete_every == 0:
                digits[rng.randrange(3)] = ""
            h.write(f"{no},{','.join(digits)}\n")
            if dated and not (undated_every and no % undated_every == 0) and all(digits):
                r.write(f"{no},{day.isoformat()},{','.join(digits)}\n")
    return history, results if dated else None


def main():
    cli = sys.argv[1]
    if sys.argv[2] == "--generated":
        with tempfile.TemporaryDirectory() as work:
            for seed, args in enumerate([(300, 7, 11, 5, True), (500, 0, 3, 2, True), (120, 4, 0, 0, False),
                                         (60, 0, 0, 0, True), (1, 0, 0, 0, True)]):
                check(cli, *generated(work, seed, *args))
    else:
        check(cli, sys.argv[2], sys.argv[3] if len(sys.argv) > 3 else None)
    print("calendar, mini and pairs match their definitions")


if __name__ == "__main__":
    main()
