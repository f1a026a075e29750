#!/usr/bin/python3
"""Joint lists answered as a user of Excel gets them, read back by openpyxl.

    /usr/bin/python3 check_lists.py VELMORA_CLI COMMAND_LINE_PAGE WORKBOOKS

The joint-list example of the command line's page (docs/command-line.md) is run as it
stands and must give what the page shows; the openpyxl-made list is answered to .xlsx
and to tab-separated text, and the workbook must hold the same rows, every cell a
string, its header bold and frozen, and its columns wide enough for their text.
"""

import csv
import io
import pathlib
import re
import shlex
import subprocess
import sys
import tempfile
import unittest

import openpyxl

CLI, PAGE, WORKBOOKS = sys.argv[1], pathlib.Path(sys.argv[2]), pathlib.Path(sys.argv[3])


def run(arguments, cwd):
    return subprocess.run([CLI, *arguments], cwd=cwd, capture_output=True, check=True)


class ListsTest(unittest.TestCase):
    def test_the_pages_example_gives_what_the_page_shows(self):
        text = PAGE.read_text(encoding="utf-8")
        example = re.search(r"\$ cat joints\.csv\n(.*?)\$ velmora-cli (batch[^\n]*)\n```\n\n"
                            r"`answers\.csv`[^\n]*\n\n```\n(.*?)```", text, re.S)
        self.assertIsNotNone(example, f"{PAGE.name} has lost its joint-list example")
        listed, command, shown = example.groups()
        with tempfile.TemporaryDirectory() as folder:
            (pathlib.Path(folder) / "joints.csv").write_text(listed, encoding="utf-8")
            run(shlex.split(command), folder)
            written = (pathlib.Path(folder) / "answers.csv").read_bytes()
        self.assertTrue(written.startswith(b"\xef\xbb\xbf"))
        self.assertEqual(written[3:].decode("utf-8"), shown.replace("\n", "\r\n"))

    def test_a_workbook_answered_to_a_workbook(self):
        with tempfile.TemporaryDirectory() as folder:
            source = WORKBOOKS / "joints.xlsx"
            run(["batch", "-o", "answers.xlsx", str(source)], folder)
            run(["batch", "-l", "joints", "-o", "answers.tsv", str(source)], folder)
            book = openpyxl.load_workbook(pathlib.Path(folder) / "answers.xlsx")
            tsv = (pathlib.Path(folder) / "answers.tsv").read_text(encoding="utf-8")
        sheet = book.worksheets[0]
        rows = [[("" if c.value is None else c.value) for c in row] for row in sheet.iter_rows()]
        expected = list(csv.reader(io.StringIO(tsv), delimiter="\t"))
        width = len(expected[0])
        self.assertEqual([r + [""] * (width - len(r)) for r in rows], expected)
        self.assertEqual(expected[1][:2], ["1", "第一行\n第二行"])
        self.assertEqual(expected[2][1], "=1+1")
        for row in sheet.iter_rows():
            for cell in row:
                if cell.value is not None:
                    self.assertEqual(cell.data_type, "s", cell.coordinate)
        self.assertTrue(all(c.font.b for c in sheet[1]))
        self.assertEqual(sheet.freeze_panes, "A2")
        for column, cells in zip(sheet.columns, zip(*expected)):
            longest = max(len(line) for text in cells for line in text.split("\n"))
            letter = column[0].column_letter
            self.assertGreaterEqual(sheet.column_dimensions[letter].width, longest, letter)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
