#!/usr/bin/python3
"""Tells whether python3-stdnum (Debian's) agrees with numeros.txt on every line.

    cotejar_stdnum.py numeros.txt

The program's own checks are held to the same table by remesa_test; one line per row where
stdnum says otherwise, and exit status 1.
"""

import sys

from stdnum import iban
from stdnum.eu import at_02

CHECKS = {"iban": iban.is_valid, "creditor": at_02.is_valid}


def main(path):
    rows = 0
    wrong = []
    with open(path, encoding="utf-8") as table:
        for line in table:
            if line.startswith("#") or not line.strip():
                continue
            kind, name, valid, *number = line.rstrip("\n").split(None, 3)
            rows += 1
            found = CHECKS[kind](number[0] if number else "")
            if found != (valid == "1"):
                wrong.append(f"{name}: stdnum says {'valid' if found else 'invalid'}")
    for line in wrong:
        print(line)
    print(f"{rows} rows, {len(wrong)} disagreeing")
    return 1 if wrong or rows == 0 else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
