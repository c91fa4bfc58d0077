"""The README and docs/*.md: every Python block runs as written, in order, in one fresh interpreter per
file, and prints exactly the ```text block that follows it (nothing, when none follows); the blocks of each
page, joined in order, and the scripts of examples/ pass mypy --strict against the installed stubs; every
fenced block names its language, so a block that is not run says so by its language (sh, cpp, text, ...);
no placeholder is left in the text; every relative link leads to a file of the checkout."""

import json
import pathlib
import re
import subprocess
import sys

import pytest

from conftest import module_functions

ROOT = pathlib.Path(__file__).resolve().parents[2]
PAGES = [ROOT / "README.md", *sorted((ROOT / "docs").glob("*.md"))]

FENCE = re.compile(r"^```(\S*)[^\n]*\n(.*?)^```[ \t]*$", re.MULTILINE | re.DOTALL)

# Runs the blocks it reads from stdin (a JSON list of [name, code]) in one namespace, as a script would,
# and writes what each printed, or the traceback that stopped it, as JSON to the real stdout.
RUNNER = """
import contextlib, io, json, sys, traceback
blocks = json.load(sys.stdin)
out, results = sys.stdout, []
namespace = {"__name__": "__main__"}
for name, code in blocks:
    printed = io.StringIO()
    try:
        with contextlib.redirect_stdout(printed):
            exec(compile(code, name, "exec"), namespace)
    except BaseException:
        results.append({"printed": printed.getvalue(), "error": traceback.format_exc()})
        break
    results.append({"printed": printed.getvalue(), "error": None})
json.dump(results, out)
"""


def blocks(page):
    """(language, code, line) of every fenced block of a page, and the expected output of each Python
    block: the content of a ```text block right after it, or "" when none follows."""
    text = page.read_text()
    fences = [
        (m.group(1), m.group(2), text.count("\n", 0, m.start()) + 1, m.start(), m.end()) for m in FENCE.finditer(text)
    ]
    found = []
    for k, (language, code, line, _, end) in enumerate(fences):
        expected = None
        if language == "python":
            expected = ""
            if k + 1 < len(fences):
                next_language, next_code, _, next_start, _ = fences[k + 1]
                if next_language == "text" and not text[end:next_start].strip():
                    expected = next_code
        found.append((language, code, line, expected))
    return found


PAGES_WITH_PYTHON = [page for page in PAGES if any(language == "python" for language, *_ in blocks(page))]


def test_pages_are_found():
    names = {page.relative_to(ROOT).as_posix() for page in PAGES}
    assert {"README.md", "docs/cpp.md", "docs/benchmarks.md", "docs/reliability.md"} <= names
    assert ROOT / "README.md" in PAGES_WITH_PYTHON


@pytest.mark.parametrize("page", PAGES, ids=lambda p: p.relative_to(ROOT).as_posix())
def test_every_block_names_its_language(page):
    unnamed = [line for language, _, line, _ in blocks(page) if not language]
    assert not unnamed, f"{page.name}: fenced blocks without a language at lines {unnamed}"


@pytest.mark.parametrize("page", PAGES_WITH_PYTHON, ids=lambda p: p.relative_to(ROOT).as_posix())
def test_python_blocks_run_and_print_what_the_page_shows(page, tmp_path):
    python = [
        (f"{page.name}:{line}", code, expected)
        for language, code, line, expected in blocks(page)
        if language == "python"
    ]
    result = subprocess.run(
        [sys.executable, "-W", "error", "-c", RUNNER],
        cwd=tmp_path,
        capture_output=True,
        text=True,
        timeout=600,
        input=json.dumps([[name, code] for name, code, _ in python]),
    )
    assert result.returncode == 0, result.stderr
    ran = json.loads(result.stdout)
    for (name, _, expected), outcome in zip(python, ran, strict=False):
        assert outcome["error"] is None, f"the block at {name} raised:\n{outcome['error']}"
        assert outcome["printed"] == expected, f"the block at {name} printed something else than the page shows"
    assert len(ran) == len(python)


EXAMPLES = sorted((ROOT / "examples").glob("*.py"))


def page_as_script(page):
    """The page's Python blocks as one script, every other line of the page left blank, so that a line
    number in the script is the line of the page."""
    text = page.read_text()
    lines = [""] * (text.count("\n") + 1)
    for match in FENCE.finditer(text):
        if match.group(1) == "python":
            first = text.count("\n", 0, match.start(2))
            for k, line in enumerate(match.group(2).splitlines()):
                lines[first + k] = line
    return "\n".join(lines)


def test_python_blocks_and_examples_pass_mypy_strict(tmp_path):
    # What a user copies must type-check as it stands: each page is checked as one script (its blocks share
    # one namespace when they run), each example as the file it is.
    scripts = {}
    for page in PAGES_WITH_PYTHON:
        script = tmp_path / (page.stem.replace("-", "_") + "_md.py")
        script.write_text(page_as_script(page))
        scripts[script.name] = page.relative_to(ROOT).as_posix()
    result = subprocess.run(
        [sys.executable, "-m", "mypy", "--strict", "--no-error-summary", "--cache-dir", str(tmp_path / "cache")]
        + [*scripts, *map(str, EXAMPLES)],
        cwd=tmp_path,
        capture_output=True,
        text=True,
        timeout=600,
    )
    report = result.stdout + result.stderr
    for name, page in scripts.items():
        report = report.replace(name + ":", page + ":")
    assert result.returncode == 0, report


# A word such as WHEEL_SIZE in running text: a placeholder that nothing filled in.
PLACEHOLDER = re.compile(r"\b[A-Z][A-Z0-9]*_[A-Z0-9_]+\b")


@pytest.mark.parametrize("page", PAGES, ids=lambda p: p.relative_to(ROOT).as_posix())
def test_no_placeholder_is_left_in_the_text(page):
    prose = re.sub(r"`[^`]*`", "", FENCE.sub("", page.read_text()))
    assert not PLACEHOLDER.findall(prose), f"{page.name} holds unfilled placeholders"


LINK = re.compile(r"\]\(([^)\s#]+)(?:#[^)]*)?\)")


@pytest.mark.parametrize("page", PAGES, ids=lambda p: p.relative_to(ROOT).as_posix())
def test_relative_links_lead_to_files_of_the_checkout(page):
    targets = [t for t in LINK.findall(page.read_text()) if "://" not in t and not t.startswith("mailto:")]
    missing = [t for t in targets if not (page.parent / t).exists()]
    assert not missing, f"{page.name} links to missing files: {missing}"


def test_every_function_of_the_module_is_documented():
    """Each function has a row in the README's quick reference, is named in docs/python.md, and its
    operation is shown as a call in docs/cpp.md."""
    readme = (ROOT / "README.md").read_text()
    reference = readme[readme.index("## Quick reference") : readme.index("## Containers and views")]
    rows = set(re.findall(r"^\| `(\w+)\(", reference, re.MULTILINE))
    python = set(re.findall(r"`(\w+)`", (ROOT / "docs" / "python.md").read_text()))
    cpp = set(re.findall(r"`(\w+)\(", (ROOT / "docs" / "cpp.md").read_text()))
    functions = set(module_functions())
    assert functions
    assert sorted(functions - rows) == [], "missing from the README's quick reference"
    assert sorted(functions - python) == [], "not named in docs/python.md"
    assert sorted(functions - cpp) == [], "no call shown in docs/cpp.md"
