#!/usr/bin/env python3
"""scripts/check-layers.py on a copy of the source tree: it passes the tree as it is, fails on
each include put in across a forbidden edge, naming file, line and edge, and lets through the
includes the layers allow.

    check_layers_test.py CHECK_SCRIPT SOURCE_ROOT
"""

import pathlib
import shutil
import subprocess
import sys
import tempfile
import unittest

# File, include added at its end, and the fault the check must name (None: allowed).
CASES = [
    ("money/formato.cpp", '#include "output/dibujarrecibo.h"', "money -> output"),
    ("money/formato.cpp", '#include "money/ui/glyphs.h"', "money -> money_ui"),
    ("money/formato.cpp", '#include "money/words/importeletra.h"', "money -> money_words"),
    ("money/words/importeletra.cpp", '#include "money/ui/glyphs.h"', "money_words -> money_ui"),
    ("money/regional.cpp", '#include "platform/device.h"', "money -> platform"),
    ("form/campos.cpp", '#include "form/ui/recibodlg.h"', "form -> form_ui"),
    ("form/campos.cpp", '#include "register/registro.h"', "form -> register"),
    ("register/registro.cpp", '#include "platform/services.h"', "register -> platform"),
    ("register/registro.cpp", '#include "register/ui/recibosemitidosdlg.h"',
     "register -> register_ui"),
    ("register/print/registro_impresion.cpp", '#include "output/imprimirrecibo.h"',
     "register_print -> output"),
    ("output/lote_recibos.cpp", '#include "register/ui/recibosemitidosdlg.h"',
     "output -> register_ui"),
    ("register/ui/recibosemitidosdlg.cpp", '#include "form/ui/recibodlg.h"',
     "register_ui -> form_ui"),
    ("register/commands/registro_comandos.cpp", '#include "app/linea_comandos.h"',
     "register_commands -> app"),
    ("app/boxes/saludodlg.cpp", '#include "app/plataforma_app.h"', "app_boxes -> app"),
    ("settings/ficherostxt.cpp", "#include <QString>", "settings -> qt"),
    ("output/dibujarrecibo.cpp", "#include <QPainter>", "output -> qt"),
    ("platform/qt/qt_platform.cpp", '#include "money/globalcurrency.h"', "platform_qt -> money"),
    ("platform/dialog.cpp", '#include "platform/qt/qt_devices.h"', "platform -> platform_qt"),
    ("res/plantillas.cpp", '#include "platform/dialog.h"', "res -> platform"),
    ("res/ids/identificadores.h", '#include "res/controles.h"', "ids -> res"),
    ("output/dibujarrecibo.cpp", '#include "form/ui/recibodlg.h"', "output -> form_ui"),
    ("output/dibujarrecibo.cpp", '#include "version/brixamo_version.h"', "output -> version"),
    ("lang/tabla.cpp", '#include "tests/support/ui.h"', "lang -> tests"),
    ("form/campos.cpp", '#include "sin_carpeta.h"', "form -> ?"),
    ("settings/ficherostxt.cpp", '#include "res/ids/identificadores.h"', None),
    ("money/ui/glyphs.cpp", '#include "platform/bitmaputilitis.h"', None),
    ("output/lote_recibos.cpp", '#include "register/print/registro_impresion.h"', None),
    ("register/ui/recibosemitidosdlg.cpp", '#include "output/vistapreviadlg.h"', None),
    ("register/commands/registro_comandos.cpp", '#include "platform/qt/qt_devices.h"', None),
    ("app/reciboapp.cpp", '#include "platform/qt/system_currency.h"', None),
    ("app/reciboapp.cpp", '#include "app/boxes/aboutdlg.h"', None),
    ("tests/lang/tabla_test.cpp", "#include <QString>", None),
]


class CheckLayers(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.scratch = tempfile.TemporaryDirectory()
        cls.root = pathlib.Path(cls.scratch.name) / "tree"
        sources = shutil.ignore_patterns(".git", "build*")
        shutil.copytree(SOURCE_ROOT, cls.root, ignore=sources, symlinks=True)

    @classmethod
    def tearDownClass(cls):
        cls.scratch.cleanup()

    def run_check(self):
        result = subprocess.run([sys.executable, CHECK, str(self.root)], capture_output=True,
                                text=True)
        return result.returncode, result.stdout

    def test_the_tree_passes(self):
        status, output = self.run_check()
        self.assertEqual(status, 0, output)

    def test_each_forbidden_include_is_named(self):
        for file, include, fault in CASES:
            with self.subTest(file=file, include=include):
                path = self.root / file
                original = path.read_text(encoding="utf-8")
                lines = original.splitlines() + [include]
                path.write_text("\n".join(lines) + "\n", encoding="utf-8")
                try:
                    status, output = self.run_check()
                finally:
                    path.write_text(original, encoding="utf-8")
                if fault is None:
                    self.assertEqual(status, 0, output)
                else:
                    self.assertEqual(status, 1, output)
                    self.assertIn(f"{file}:{len(lines)}: {fault} (", output)
                    self.assertEqual(len(output.splitlines()), 2, output)


if __name__ == "__main__":
    CHECK, SOURCE_ROOT = sys.argv[1], sys.argv[2]
    unittest.main(argv=sys.argv[:1], verbosity=2)
