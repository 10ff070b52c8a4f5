#!/usr/bin/env python3
"""scripts/check-tidy.py with the tree's .clang-tidy on small trees: it passes clean sources,
fails on a finding of each kind of check the list holds, in a source or in one of our headers,
and on a source that does not compile, and leaves alone system headers and the sources the
build generates.

    check_tidy_test.py CHECK_SCRIPT SOURCE_ROOT
"""

import json
import pathlib
import shutil
import subprocess
import sys
import tempfile
import unittest

USE_AFTER_MOVE = """#include <string>
#include <utility>
inline std::string Junta(std::string s) {
    std::string t = std::move(s);
    return s + t;
}
"""
CLEAN = "inline int Doble(int n) {\n    return 2 * n;\n}\n"

# Row name, files of the tree (path: text; build/compile_commands.json lists the .cpp files,
# sys/ is a system include folder), and the check that must be named (None: the run passes).
CASES = [
    ("clean source", {"money/limpio.cpp": CLEAN}, None),
    ("use after move", {"money/mover.cpp": USE_AFTER_MOVE}, "bugprone-use-after-move"),
    ("copy in a range loop", {"form/bucle.cpp": """#include <string>
#include <vector>
int Suma(const std::vector<std::string>& v) {
    int n = 0;
    for (auto s : v) {
        n += static_cast<int>(s.size());
    }
    return n;
}
"""}, "performance-for-range-copy"),
    ("virtual without override", {"platform/clases.cpp": """struct Base {
    virtual ~Base() = default;
    virtual void F() {}
};
struct Derivada : Base {
    virtual void F() {}
};
"""}, "modernize-use-override"),
    ("if without braces", {"output/si.cpp": """int Signo(int n) {
    if (n < 0) return -1;
    return 1;
}
"""}, "readability-braces-around-statements"),
    ("string taken by value in a test", {"tests/x/largo_test.cpp": """#include <string>
unsigned long Largo(std::string s) {
    return s.size();
}
"""}, "performance-unnecessary-value-param"),
    ("finding in our header", {"settings/limpio.cpp": '#include "settings/mover.h"\n',
                               "settings/mover.h": USE_AFTER_MOVE}, "bugprone-use-after-move"),
    ("finding in a system header", {"lang/limpio.cpp": '#include <mover.h>\n',
                                    "sys/mover.h": USE_AFTER_MOVE}, None),
    ("finding in a generated source", {"money/limpio.cpp": CLEAN,
                                       "build/gen/moc_x.cpp": USE_AFTER_MOVE}, None),
    ("source that does not compile", {"app/roto.cpp": "int F() {\n    return nadie;\n}\n"},
     "clang-diagnostic-error"),
]


def make_tree(tree, files):
    shutil.copy(ROOT / ".clang-tidy", tree / ".clang-tidy")
    (tree / "build").mkdir()
    (tree / "sys").mkdir()
    commands = []
    for relative, text in files.items():
        path = tree / relative
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_text(text)
        if path.suffix == ".cpp":
            commands.append({"directory": str(tree / "build"), "file": str(path),
                             "command": f"/usr/bin/c++ -std=c++20 -I{tree} -isystem {tree}/sys "
                                        f"-c {path} -o {path.stem}.o"})
    (tree / "build" / "compile_commands.json").write_text(json.dumps(commands))


class CheckTidy(unittest.TestCase):
    def test_cases(self):
        for name, files, check in CASES:
            with self.subTest(name), tempfile.TemporaryDirectory() as scratch:
                tree = pathlib.Path(scratch)
                make_tree(tree, files)
                result = subprocess.run([sys.executable, str(SCRIPT), str(tree / "build")],
                                        capture_output=True, text=True)
                output = result.stdout + result.stderr
                self.assertEqual(result.returncode != 0, check is not None, output)
                if check is not None:
                    self.assertIn(f"[{check}", output)

    def test_no_sources_fails(self):
        with tempfile.TemporaryDirectory() as scratch:
            (pathlib.Path(scratch) / "compile_commands.json").write_text("[]")
            result = subprocess.run([sys.executable, str(SCRIPT), scratch],
                                    capture_output=True, text=True)
            self.assertNotEqual(result.returncode, 0)
            self.assertIn("no sources", result.stderr)


if __name__ == "__main__":
    SCRIPT = pathlib.Path(sys.argv.pop(1))
    ROOT = pathlib.Path(sys.argv.pop(1))
    unittest.main()
