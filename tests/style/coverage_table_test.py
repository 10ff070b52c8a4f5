#!/usr/bin/env python3
"""scripts/coverage-table.py on small gcovr summaries: folders, their top-level totals and the
whole program add up; a header reached through a library's include link counts once, in its own
folder; generated sources under build/ are left out; --files lists the least covered first.

    coverage_table_test.py TABLE_SCRIPT
"""

import json
import pathlib
import subprocess
import sys
import tempfile
import unittest


def entry(filename, lines, branches=(0, 0)):
    return {"filename": filename, "line_covered": lines[0], "line_total": lines[1],
            "branch_covered": branches[0], "branch_total": branches[1]}


SUMMARY = [
    entry("money/formato.cpp", (90, 100), (8, 10)),
    entry("register/registro.cpp", (30, 40), (3, 4)),
    entry("register/ui/dlg.cpp", (10, 60), (1, 6)),
    # The same header, in place and through a library's include link: the larger count holds.
    entry("register/registro.h", (2, 10)),
    entry("build/include/brx_register/register/registro.h", (8, 10)),
    # Qt's generated sources are not the program's.
    entry("build/register/ui/moc_dlg.cpp", (0, 500), (0, 50)),
]

# Row name, the row's label in the table, and its line and branch cells as "covered/total".
ROWS = [
    ("a folder alone", "money/", "90/100", "8/10"),
    ("a top-level folder with a subfolder", "register/ (all)", "48/110", "4/10"),
    ("the top-level folder's own files", "  register/", "38/50", "3/4"),
    ("its subfolder", "  register/ui/", "10/60", "1/6"),
    ("the whole program, without build/", "program", "138/210", "12/20"),
]


def run(summary, *options):
    with tempfile.TemporaryDirectory() as scratch:
        path = pathlib.Path(scratch, "coverage.json")
        path.write_text(json.dumps({"files": summary}))
        result = subprocess.run([sys.executable, str(SCRIPT), str(path), *options],
                                capture_output=True, text=True)
    return result


def cells(output, label):
    for line in output.splitlines():
        if line[:28].rstrip() == label:
            return line[28:].split()
    return None


class CoverageTable(unittest.TestCase):
    def test_rows(self):
        result = run(SUMMARY)
        self.assertEqual(result.returncode, 0, result.stderr)
        for name, label, lines, branches in ROWS:
            with self.subTest(name):
                found = cells(result.stdout, label)
                self.assertIsNotNone(found, result.stdout)
                self.assertEqual([found[0], found[3]], [lines, branches], result.stdout)
        self.assertNotIn("moc_dlg", result.stdout)
        self.assertEqual(result.stdout.splitlines()[-1].split()[0], "program")

    def test_files_least_covered_first(self):
        result = run(SUMMARY, "--files")
        self.assertEqual(result.returncode, 0, result.stderr)
        files = result.stdout.split("\n\n", 1)[1]
        order = [name for name in ("register/ui/dlg.cpp", "register/registro.cpp",
                                   "register/registro.h", "money/formato.cpp")]
        positions = [files.find(name) for name in order]
        self.assertNotIn(-1, positions, files)
        self.assertEqual(positions, sorted(positions), files)

    def test_a_folder_without_branches_shows_a_dash(self):
        result = run([entry("lang/idiomas.cpp", (5, 5))])
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(cells(result.stdout, "lang/"), ["5/5", "100.0", "%", "0/0", "-"])


if __name__ == "__main__":
    SCRIPT = pathlib.Path(sys.argv.pop(1))
    unittest.main()
