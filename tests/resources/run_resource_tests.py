#!/usr/bin/env python3
"""Runs resource test modules against a built executable.

    run_resource_tests.py EXECUTABLE RES_DIR MODULE...

MODULE is the name of a test_*.py file here without the extension.
"""

import sys
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import resource_context  # noqa: E402


def main():
    if len(sys.argv) < 4:
        print(__doc__, file=sys.stderr)
        return 2
    resource_context.executable = sys.argv[1]
    resource_context.res_dir = sys.argv[2]
    suite = unittest.defaultTestLoader.loadTestsFromNames(sys.argv[3:])
    result = unittest.TextTestRunner(verbosity=2).run(suite)
    return 0 if result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main())
