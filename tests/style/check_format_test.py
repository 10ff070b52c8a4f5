#!/usr/bin/env python3
"""scripts/check-format.sh on small trees: it passes sources laid out as .clang-format says,
fails on each kind of fault naming the file, and leaves the build folders alone.

    check_format_test.py CHECK_SCRIPT SOURCE_ROOT
"""

import pathlib
import shutil
import subprocess
import sys
import tempfile
import unittest

GOOD = "money/formato.cpp"  # a source of the tree, laid out as it should be

# Row name, file written into a tree that holds GOOD (a copy of GOOD), text appended to it, and whether the
# check must fail naming that file.
CASES = [
    ("as the tree is", "money/formato.cpp", "", False),
    ("brace on its own line", "money/formato.cpp", "\nvoid F()\n{\n}\n", True),
    ("tab indentation in a header", "form/numero.h", "\nstruct S {\n\tint n;\n};\n", True),
    ("overlong line in a test", "tests/x/x_test.cpp",
     "\nint n = " + " + ".join(["1"] * 40) + ";\n", True),
    ("two blanks before a comment", "app/a.cpp", "\nint n;  // two blanks are right\n", False),
    ("misformatted file under build/", "build/gen/moc.cpp", "\nvoid F()\n{\n}\n", False),
    ("misformatted file under build-asan/", "build-asan/x.h", "\nint  n;\n", False),
]


class CheckFormat(unittest.TestCase):
    def run_on(self, relative, appended):
        with tempfile.TemporaryDirectory() as scratch:
            tree = pathlib.Path(scratch)
            shutil.copy(ROOT / ".clang-format", tree / ".clang-format")
            (tree / GOOD).parent.mkdir(parents=True)
            shutil.copy(ROOT / GOOD, tree / GOOD)
            target = tree / relative
            target.parent.mkdir(parents=True, exist_ok=True)
            target.write_text((ROOT / GOOD).read_text() + appended)
            return subprocess.run(["bash", str(SCRIPT), str(tree)], capture_output=True,
                                  text=True)

    def test_cases(self):
        for name, relative, appended, fails in CASES:
            with self.subTest(name):
                result = self.run_on(relative, appended)
                output = result.stdout + result.stderr
                self.assertEqual(result.returncode != 0, fails, output)
                if fails:
                    self.assertIn(relative, output)

    def test_empty_tree_fails(self):
        with tempfile.TemporaryDirectory() as scratch:
            result = subprocess.run(["bash", str(SCRIPT), scratch], capture_output=True,
                                    text=True)
            self.assertNotEqual(result.returncode, 0)
            self.assertIn("no C++ files", result.stderr)


if __name__ == "__main__":
    SCRIPT = pathlib.Path(sys.argv.pop(1))
    ROOT = pathlib.Path(sys.argv.pop(1))
    unittest.main()
