#!/usr/bin/python3
"""Times LibreOffice Calc recalculating the analysis workbook that pellavan-calcbench wrote.

    /usr/bin/python3 recalc_in_calc.py DIR [--runs 5] [--differences N] [--single-thread]
                                           [--until-stable R] [--values FILE]
                                           [--acyclic [BLOCK ...]]

Each run opens DIR/book.fods (the workbook as the previous project's fill left it) in a headless
LibreOffice with automatic calculation off, writes the cells of DIR/inputs.tsv (the next
project's inputs) and recalculates every formula (calculateAll, a hard recalculation), timing
the writes and the recalculation apart. Then sets LibreOffice's results beside ours
(DIR/expected.tsv): the results read back, one line each, and the largest difference over every
formula cell that holds a number in both (and the N cells that differ most).

--until-stable R recalculates the last run again, up to R more times, until no formula cell of
DIR/expected.tsv changes by more than 1e-6 relative: LibreOffice's iteration stops at its step
limit, and another round then goes on from where it stopped. --values FILE writes LibreOffice's
value of each of those cells, sheet, cell and number separated by tabs, which
pellavan-wbdump --start calc FILE starts a fill from.

--acyclic sets LibreOffice's result of every formula cell outside the circular groups and the
formulas between them (DIR/acyclic.tsv) beside ours, texts as texts: after pellavan-calcbench
--settled both compute those once from the same circular values, so any that differ show a
formula the two compute differently. BLOCKs ("PRS", "PRG!S5:W7") limit it to those cells.
"""

import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.append("/usr/lib/libreoffice/program")
import uno  # noqa: E402
from com.sun.star.beans import PropertyValue  # noqa: E402

FORMULA_ERROR = 4  # com.sun.star.sheet.FormulaResult.ERROR
CLEAR_CONTENTS = 1 | 2 | 4 | 16  # com.sun.star.sheet.CellFlags VALUE, DATETIME, STRING, FORMULA


def prop(name, value):
    p = PropertyValue()
    p.Name, p.Value = name, value
    return p


def start_office(profile):
    pipe = "calcbench%d" % os.getpid()
    office = subprocess.Popen(
        ["soffice", "--headless", "--invisible", "--norestore", "--nologo",
         "-env:UserInstallation=file://" + profile,
         "--accept=pipe,name=%s;urp;StarOffice.ComponentContext" % pipe],
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    local = uno.getComponentContext()
    resolver = local.ServiceManager.createInstanceWithContext(
        "com.sun.star.bridge.UnoUrlResolver", local)
    for _ in range(600):
        try:
            context = resolver.resolve(
                "uno:pipe,name=%s;urp;StarOffice.ComponentContext" % pipe)
            return office, context
        except Exception:
            time.sleep(0.1)
    office.kill()
    sys.exit("LibreOffice did not start")


def configure(context, node, values):
    provider = context.ServiceManager.createInstanceWithContext(
        "com.sun.star.configuration.ConfigurationProvider", context)
    access = provider.createInstanceWithArguments(
        "com.sun.star.configuration.ConfigurationUpdateAccess",
        (prop("nodepath", "/org.openoffice.Office.Calc/Formula/" + node),))
    for name, value in values.items():
        access.setPropertyValue(name, value)
    access.commitChanges()


def read_tsv(path):
    with open(path, encoding="utf-8") as f:
        return [line.rstrip("\n").split("\t") for line in f if line.strip()]


def to_api_formula(text):
    """OpenDocument formula text to what XCell.setFormula reads: no brackets, '$' ahead of a
    sheet name."""
    body = text[len("of:"):]
    out, i, in_text = [], 0, False
    while i < len(body):
        c = body[i]
        if c == '"':
            in_text = not in_text
        if not in_text and c == "[":
            end = body.index("]", i)
            ref = body[i + 1:end].replace(":.", ":")
            out.append(ref[1:] if ref.startswith(".") else "$" + ref)
            i = end + 1
            continue
        out.append(c)
        i += 1
    return "".join(out)


def write_inputs(doc, inputs):
    sheets = doc.Sheets
    for sheet, cell, kind, value in inputs:
        target = sheets.getByName(sheet).getCellRangeByName(cell)
        if kind == "number":
            target.setValue(float(value))
        elif kind == "text":
            target.setString(value)
        elif kind == "boolean":
            target.setValue(1.0 if value == "1" else 0.0)  # Calc's TRUE and FALSE
        elif kind == "formula":
            target.setFormula(to_api_formula(value))
        else:
            target.clearContents(CLEAR_CONTENTS)


def column_index(letters):
    n = 0
    for ch in letters:
        n = n * 26 + ord(ch) - ord("A") + 1
    return n - 1


def split_a1(cell):
    letters = "".join(ch for ch in cell if ch.isalpha())
    return int(cell[len(letters):]) - 1, column_index(letters)


def read_results(doc, cells):
    """LibreOffice's result of each (sheet, cell): a float, a str, or None for an error."""
    values = {}
    by_sheet = {}
    for sheet, cell in cells:
        by_sheet.setdefault(sheet, []).append(cell)
    for sheet, names in by_sheet.items():
        positions = [split_a1(c) for c in names]
        rows = max(r for r, _ in positions) + 1
        cols = max(c for _, c in positions) + 1
        table = doc.Sheets.getByName(sheet)
        data = table.getCellRangeByPosition(0, 0, cols - 1, rows - 1).getDataArray()
        errors = set()
        for a in table.queryFormulaCells(FORMULA_ERROR).getRangeAddresses():
            errors.update((r, c) for r in range(a.StartRow, a.EndRow + 1)
                          for c in range(a.StartColumn, a.EndColumn + 1))
        for cell, (r, c) in zip(names, positions):
            values[(sheet, cell)] = None if (r, c) in errors else data[r][c]
    return values


def read_numbers(doc, expected):
    """LibreOffice's value of every expected cell, None where it holds no number."""
    values = read_results(doc, [(sheet, cell) for sheet, cell, *_ in expected])
    return {k: v if isinstance(v, float) else None for k, v in values.items()}


def relative(a, b):
    """The difference relative to the larger magnitude; numbers below 1e-6 count as 1e-6."""
    return abs(a - b) / max(abs(a), abs(b), 1e-6)


def compare(doc, expected, differences):
    lo = read_numbers(doc, expected)
    print("\n%-32s %-12s %18s %18s %10s" % ("result", "cell", "ours", "LibreOffice", "rel. diff"))
    for sheet, cell, ours, name in expected:
        if not name:
            continue
        theirs = lo[(sheet, cell)]
        try:
            diff = "%10.2e" % relative(float(ours), theirs) if theirs is not None else "-"
        except ValueError:
            diff = "-"
        print("%-32s %-12s %18s %18s %10s" % (name, sheet + "!" + cell, ours or "(empty)",
                                              "(none)" if theirs is None else repr(theirs), diff))
    cells = [(s, c, float(v)) for s, c, v, name in expected if not name]
    missing = ["%s!%s" % (s, c) for s, c, _ in cells if lo[(s, c)] is None]
    diffs = sorted(((relative(o, lo[(s, c)]), s, c, o, lo[(s, c)]) for s, c, o in cells
                    if lo[(s, c)] is not None), reverse=True)
    for d, s, c, o, t in diffs[:differences]:
        print("%-12s %-8s %22r %22r %10.2e" % (s, c, o, t, d))
    print("\n%d formula cells holding a number: %d hold none in LibreOffice%s" % (
        len(cells), len(missing), (" (" + ", ".join(missing[:8]) + ")") if missing else ""))
    if diffs:
        worst = diffs[0]
        print("relative differences: %d above 1e-6, %d above 1e-3; median %.2g; largest %.3g at "
              "%s!%s (ours %r, LibreOffice %r)" % (
                  sum(d[0] > 1e-6 for d in diffs), sum(d[0] > 1e-3 for d in diffs),
                  diffs[len(diffs) // 2][0], worst[0], worst[1], worst[2], worst[3], worst[4]))


def unescaped(text):
    """A text of acyclic.tsv: \\t, \\n and \\\\ back to a tab, a line break and a backslash."""
    out, i = [], 0
    while i < len(text):
        if text[i] == "\\" and i + 1 < len(text):
            out.append({"t": "\t", "n": "\n"}.get(text[i + 1], text[i + 1]))
            i += 2
        else:
            out.append(text[i])
            i += 1
    return "".join(out)


def selected(sheet, cell, blocks):
    """Whether a cell lies in one of `blocks` ("PRS", "PRG!S5:W7"); every cell when none."""
    if not blocks:
        return True
    r, c = split_a1(cell)
    for block in blocks:
        name, _, corners = block.partition("!")
        if name != sheet:
            continue
        if not corners:
            return True
        first, _, last = corners.partition(":")
        (r0, c0), (r1, c1) = split_a1(first), split_a1(last or first)
        if r0 <= r <= r1 and c0 <= c <= c1:
            return True
    return False


def agreement(kind, ours, theirs):
    """How far LibreOffice's result lies from ours: 0 alike, a relative difference of two
    numbers, or None where they are not alike at all."""
    if kind == "number" and isinstance(theirs, float):
        return relative(float(ours), theirs)
    if kind == "boolean" and isinstance(theirs, float):  # Calc's TRUE and FALSE are numbers
        return 0.0 if float(ours) == theirs else None
    if kind == "text" and isinstance(theirs, str):
        return 0.0 if unescaped(ours) == theirs else None
    if kind == "empty" and theirs == "":
        return 0.0
    if kind == "error" and theirs is None:
        return 0.0
    return None


def compare_acyclic(doc, acyclic, blocks, differences):
    """Sets LibreOffice's result of each formula cell outside the circular groups beside ours:
    each cell not alike, and every cell of a number that differs by more than 1e-12."""
    cells = [row for row in acyclic if selected(row[0], row[1], blocks)]
    lo = read_results(doc, [(s, c) for s, c, *_ in cells])
    per_sheet = {}
    off = []
    for sheet, cell, kind, ours in cells:
        d = agreement(kind, ours, lo[(sheet, cell)])
        counts = per_sheet.setdefault(sheet, [0, 0, 0.0])
        counts[0] += 1
        if d is None or d > 1e-12:
            counts[1] += 1
            off.append((float("inf") if d is None else d, sheet, cell, kind, ours,
                        lo[(sheet, cell)]))
        if d is not None:
            counts[2] = max(counts[2], d)
    print("\nformula cells outside the circular groups%s: %d, %d of them not alike" % (
        " (" + ", ".join(blocks) + ")" if blocks else "", len(cells), len(off)))
    for sheet, (n, bad, largest) in per_sheet.items():
        print("  %-12s %6d cells, %5d not alike, largest relative difference %.3g" % (
            sheet, n, bad, largest))
    off.sort(key=lambda o: o[0], reverse=True)
    for d, sheet, cell, kind, ours, theirs in off[:differences]:
        print("  %-20s %-8s %24s %24s %10s" % (
            sheet + "!" + cell, kind, ours if kind != "text" else repr(unescaped(ours)),
            "(error)" if theirs is None else repr(theirs),
            "not alike" if d == float("inf") else "%.2e" % d))


def settle(doc, expected, rounds):
    """calculateAll again until the expected cells stand; the rounds it took, or None."""
    last = read_numbers(doc, expected)
    for n in range(1, rounds + 1):
        doc.calculateAll()
        now = read_numbers(doc, expected)
        moved = [k for k, v in now.items() if (v is None) != (last[k] is None) or
                 (v is not None and relative(v, last[k]) > 1e-6)]
        last = now
        if not moved:
            return n
    return None


def write_values(doc, expected, path):
    values = read_numbers(doc, expected)
    with open(path, "w", encoding="utf-8") as f:
        for sheet, cell, _, name in expected:
            v = values[(sheet, cell)]
            if v is not None and not name:
                f.write("%s\t%s\t%r\n" % (sheet, cell, v))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("dir")
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--differences", type=int, default=0, metavar="N",
                        help="list the N formula cells that differ most")
    parser.add_argument("--single-thread", action="store_true",
                        help="calculate on one thread, as our engine does")
    parser.add_argument("--until-stable", type=int, default=0, metavar="R",
                        help="recalculate the last run up to R more times until it stands")
    parser.add_argument("--values", metavar="FILE",
                        help="write LibreOffice's values of the formula cells to FILE")
    parser.add_argument("--acyclic", nargs="*", metavar="BLOCK",
                        help="set the results of the formula cells outside the circular groups "
                        "beside ours (DIR/acyclic.tsv), of the blocks named (PRS, PRG!S5:W7) or "
                        "of all; --differences N lists the N that differ most")
    args = parser.parse_args()
    book_url = uno.systemPathToFileUrl(os.path.abspath(os.path.join(args.dir, "book.fods")))
    inputs = read_tsv(os.path.join(args.dir, "inputs.tsv"))
    expected = read_tsv(os.path.join(args.dir, "expected.tsv"))
    acyclic = read_tsv(os.path.join(args.dir, "acyclic.tsv")) if args.acyclic is not None else []
    lock = os.path.join(args.dir, ".~lock.book.fods#")
    if os.path.exists(lock):  # left by a run that was stopped; a hidden load would fail on it
        os.remove(lock)
    with tempfile.TemporaryDirectory() as profile:
        office, context = start_office(profile)
        try:
            # The file's results stand as loaded: only the timed recalculation computes.
            configure(context, "Load", {"ODFRecalcMode": 1})
            if args.single_thread:
                configure(context, "Calculation",
                          {"UseThreadedCalculationForFormulaGroups": False})
            desktop = context.ServiceManager.createInstanceWithContext(
                "com.sun.star.frame.Desktop", context)
            writes, recalcs = [], []
            for run in range(args.runs):
                doc = desktop.loadComponentFromURL(book_url, "_blank", 0, (prop("Hidden", True),))
                if doc is None:
                    sys.exit("LibreOffice could not open " + book_url)
                try:
                    if run == 0:
                        print("LibreOffice iteration: %s, %d steps, change limit %g; %d input cells"
                              % (doc.IsIterationEnabled, doc.IterationCount, doc.IterationEpsilon,
                                 len(inputs)))
                    doc.enableAutomaticCalculation(False)
                    t0 = time.perf_counter()
                    write_inputs(doc, inputs)
                    t1 = time.perf_counter()
                    doc.calculateAll()
                    t2 = time.perf_counter()
                    writes.append((t1 - t0) * 1000)
                    recalcs.append((t2 - t1) * 1000)
                    if run == args.runs - 1:
                        if args.until_stable:
                            rounds = settle(doc, expected, args.until_stable)
                            print("further recalculations until the results stand: %s" % (
                                rounds if rounds is not None else
                                "still moving after %d" % args.until_stable))
                        compare(doc, expected, args.differences)
                        if args.acyclic is not None:
                            compare_acyclic(doc, acyclic, args.acyclic, args.differences)
                        if args.values:
                            write_values(doc, expected, args.values)
                finally:
                    doc.close(True)
            print("\nrecalculation (calculateAll): min %.2f ms, median %.2f ms over %d runs: %s" % (
                min(recalcs), statistics.median(recalcs), args.runs,
                " ".join("%.2f" % t for t in recalcs)))
            print("writing the inputs: min %.2f ms, median %.2f ms" % (
                min(writes), statistics.median(writes)))
        finally:
            try:
                desktop.terminate()
            except Exception:
                pass
            office.wait(timeout=30)


if __name__ == "__main__":
    main()
