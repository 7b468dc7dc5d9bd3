#!/usr/bin/env python3
"""Times `ostrel generate` of two builds side by side, as the closing figures of a speed change are taken.

    python3 bench/side_by_side.py OLD_BUILD NEW_BUILD [--runs 9] [--copies 50] [--no-forms]

Each build folder (a Release build, as build-bench/) makes its own repository of the shipped sample copied
--copies times, its business objects, classes and tables renamed, with its own bin/../samples/
ostrel-make-sample; the two builds then generate it by turns, each run into a fresh folder. It prints the
medians of user, system and CPU time (from the process's rusage) and of wall time, the new build's ratios
to the old one's, and whether the two outputs are the same but for their 'Date: lines.
"""
import argparse
import filecmp
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

SAMPLE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "samples", "OrderEntry.sql")
# Columns that hold a row's ID or refer to one: offset in each copy. ApplicationID is not: one application.
ID_COLUMNS = {"ID", "BusObjID", "TableID", "BusObjPropID", "PropID", "PVFKeyDisplayedPropID",
              "ForeignKeyFldID", "AssociationID", "RelationshipID", "SourceBusObjID", "TargetBusObjID"}
# Names that must differ from copy to copy.
NAME_COLUMNS = {"BusinessObject": {"Name", "L1ClassName", "L2BusObjClass", "L2DisplayClass", "L2ListClass",
                                   "L3BusObjClass", "L3ListClass"},
                "Table": {"Name"}}


def values(row):
    """The values of one row of an INSERT, as written: quoted texts kept whole."""
    return [v.strip() for v in re.findall(r"'(?:[^']|'')*'|[^,]+", row)]


def copied_sample(copies):
    """The sample's SQL with every row but the application's written `copies` times."""
    sql = open(SAMPLE).read()
    statements = []
    for insert in re.finditer(r'INSERT INTO "(\w+)" \(([^)]*)\)\s*VALUES\s*(.*?);\s*$', sql, re.S | re.M):
        table, columns = insert.group(1), [c.strip().strip('"') for c in insert.group(2).split(",")]
        body = "\n".join(line for line in insert.group(3).split("\n") if not line.strip().startswith("--"))
        rows = [values(r) for r in re.findall(r"\((.*?)\)\s*(?:,|$)", body, re.S)]
        written = []
        for copy in range(1 if table == "Application" else copies):
            for row in rows:
                row = list(row)
                for i, column in enumerate(columns):
                    if copy and column in ID_COLUMNS and row[i] != "NULL":
                        row[i] = str(int(row[i]) + 1000 * copy)
                    if copy and column in NAME_COLUMNS.get(table, ()):
                        row[i] = row[i][:-1] + str(copy) + "'"
                written.append("(" + ", ".join(row) + ")")
        statements.append(f'INSERT INTO "{table}" ({insert.group(2)}) VALUES\n' + ",\n".join(written) + ";")
    return "\n\n".join(statements) + "\n"


def same_but_dates(left, right):
    """Whether two generated folders hold the same files with the same lines, 'Date: lines aside."""
    compared = filecmp.dircmp(left, right)
    if compared.left_only or compared.right_only or compared.funny_files:
        return False
    for name in compared.common_files:
        with open(os.path.join(left, name), "rb") as a, open(os.path.join(right, name), "rb") as b:
            if [x for x in a if not x.startswith(b"'Date:")] != [x for x in b if not x.startswith(b"'Date:")]:
                return False
    return all(same_but_dates(os.path.join(left, d), os.path.join(right, d)) for d in compared.common_dirs)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("old")
    parser.add_argument("new")
    parser.add_argument("--runs", type=int, default=9)
    parser.add_argument("--copies", type=int, default=50)
    parser.add_argument("--no-forms", action="store_true")
    arguments = parser.parse_args()
    folder = tempfile.mkdtemp()
    sql = os.path.join(folder, "sample.sql")
    with open(sql, "w") as out:
        out.write(copied_sample(arguments.copies))
    builds = {"old": arguments.old, "new": arguments.new}
    for name, build in builds.items():
        subprocess.run([os.path.join(build, "samples", "ostrel-make-sample"), sql,
                        os.path.join(folder, name + ".mdb")], check=True)
    times = {name: [] for name in builds}
    for run in range(arguments.runs):
        # Which goes first by turns, so that the machine's other work weighs on both alike.
        for name in (["old", "new"] if run % 2 == 0 else ["new", "old"]):
            out = os.path.join(folder, name + "-out")
            shutil.rmtree(out, ignore_errors=True)
            command = [os.path.join(builds[name], "bin", "ostrel"), "generate", "--repository",
                       os.path.join(folder, name + ".mdb"), "--app", "OrderEntry", "--out", out]
            start = time.perf_counter()
            process = subprocess.Popen(command + (["--no-forms"] if arguments.no_forms else []),
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            _, status, usage = os.wait4(process.pid, 0)
            if status != 0:
                sys.exit(f"{name}: {' '.join(command)} failed")
            times[name].append((usage.ru_utime, usage.ru_stime, time.perf_counter() - start))
    measures = {"user": lambda t: t[0], "system": lambda t: t[1], "CPU": lambda t: t[0] + t[1],
                "wall": lambda t: t[2]}
    medians = {name: {m: statistics.median(f(t) for t in times[name]) for m, f in measures.items()}
               for name in builds}
    for name in builds:
        print(f"{name} ({builds[name]}): " +
              ", ".join(f"{m} {medians[name][m]:.3f} s" for m in measures) + f" (medians of {arguments.runs})")
    print("new / old: " + ", ".join(f"{m} {medians['new'][m] / medians['old'][m]:.3f}" for m in measures))
    same = same_but_dates(os.path.join(folder, "old-out"), os.path.join(folder, "new-out"))
    print("outputs: " + ("the same but for their 'Date: lines" if same else "DIFFERENT"))
    shutil.rmtree(folder)


if __name__ == "__main__":
    main()
