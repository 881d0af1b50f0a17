"""What the resource tests look at: the built executable and the resource
headers, named on the runner's command line (run_resource_tests.py)."""

import re
from functools import cache
from pathlib import Path

from pe_resources import read_resources

executable = None  # path of the PE file under test
res_dir = None  # the source folder res/


@cache
def resources():
    return read_resources(executable)


@cache
def header_defines(name):
    """The #define NAME VALUE lines of a header in res/, values as text."""
    text = (Path(res_dir) / name).read_text(encoding="utf-8")
    return dict(re.findall(r"^#define\s+(\w+)\s+(.+?)\s*$", text, re.MULTILINE))


def header_number(header, name):
    return int(header_defines(header)[name].strip("()"), 0)


def header_string(header, name, wide=False):
    """The text of a #define that is one plain string literal, L"..." if wide."""
    value = header_defines(header)[name]
    match = re.fullmatch(('L' if wide else '') + r'"([^"\\]*)"', value)
    if not match:
        raise ValueError(f"{name} is not a plain {'wide ' if wide else ''}string literal: {value}")
    return match.group(1)
