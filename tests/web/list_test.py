#!/usr/bin/python3
"""Joint lists in the page, in Debian's Chromium: the page reads a list on the device
and answers it with the core, as velmora-cli does.

    /usr/bin/python3 list_test.py SITE VELMORA_CLI
"""

import csv
import io
import pathlib
import subprocess
import sys
import tempfile
import time
import unittest

import openpyxl
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

from web_support import Server, chromium, close

SITE = pathlib.Path(sys.argv[1]).resolve()
CLI = sys.argv[2]
HERE = pathlib.Path(__file__).resolve().parent
MAKE_WORKBOOKS = HERE.parent / "workbook" / "make_workbooks.py"
LISTS = HERE.parent / "workbook" / "lists"  # lists as engineers keep them


class ListTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.TemporaryDirectory()
        cls.files = pathlib.Path(cls.folder.name)
        subprocess.run(["/usr/bin/python3", str(MAKE_WORKBOOKS), str(cls.files)], check=True)
        for listed in LISTS.iterdir():
            (cls.files / listed.name).write_bytes(listed.read_bytes())
        cls.downloads = cls.files / "downloads"
        cls.downloads.mkdir()
        cls.server = Server(SITE)
        cls.driver = chromium()
        cls.driver.execute_cdp_cmd("Browser.setDownloadBehavior",
                                   {"behavior": "allow", "downloadPath": str(cls.downloads)})

    @classmethod
    def tearDownClass(cls):
        close(cls.driver)
        cls.server.stop()
        cls.folder.cleanup()

    def open_list(self, name):
        self.driver.get(f"{self.server.origin}/index.html")
        WebDriverWait(self.driver, 20).until(
            lambda d: d.execute_script("return document.querySelectorAll('#list-process option').length === 5"))
        self.driver.find_element(By.ID, "list-file").send_keys(str(self.files / name))
        WebDriverWait(self.driver, 20).until(
            lambda d: d.execute_script(
                "return document.querySelector('#list-table tbody') !== null"
                " || !document.querySelector('#list-problem').hidden"))

    def shown(self):
        return self.driver.execute_script(
            "return [...document.querySelectorAll('#list-table tr')]"
            ".map(tr => [...tr.children].slice(1).map(c => c.textContent))")

    def cli_rows(self, name):
        run = subprocess.run([CLI, "batch", "-l", "joints", "-f", "tsv", str(self.files / name)],
                             capture_output=True, check=True)
        return list(csv.reader(io.StringIO(run.stdout.decode("utf-8")), delimiter="\t"))

    def test_the_page_answers_a_list_as_velmora_cli_does(self):
        for name in ["joints.xlsx", "prefixed.xlsx", "plain.xlsx"] + sorted(p.name for p in LISTS.iterdir()):
            with self.subTest(name=name):
                self.open_list(name)
                self.assertTrue(self.driver.find_element(By.ID, "list-problem").get_attribute("hidden"))
                self.assertEqual(self.shown(), self.cli_rows(name))

    def test_a_damaged_or_old_file_is_refused_with_what_to_do(self):
        for name, said in (("truncated.xlsx", "工作簿已损坏或不完整"), ("missing.xlsx", "缺少 xl/workbook.xml"),
                           ("huge.xlsx", "超过 100 MB"), ("rows.xlsx", "工作表超过 100000 行"),
                           ("old.xls", "这是旧版 Excel 工作簿（.xls）")):
            with self.subTest(name=name):
                self.open_list(name)
                problem = self.driver.find_element(By.ID, "list-problem")
                self.assertTrue(problem.is_displayed())
                self.assertIn(said, problem.text)
                # In velmora-cli's words: "FILE：" and the same sentence.
                run = subprocess.run([CLI, "batch", str(self.files / name)], capture_output=True)
                self.assertIn(run.stderr.decode("utf-8").split("：", 1)[1].strip(), problem.text)
                self.assertTrue(self.driver.find_element(By.ID, "list-xlsx").get_attribute("disabled"))

    def test_the_answers_download_as_a_workbook_excel_reads(self):
        self.open_list("title-and-notes.csv")
        self.driver.find_element(By.ID, "list-xlsx").click()
        target = self.downloads / "title-and-notes_焊材答案.xlsx"
        deadline = time.monotonic() + 20
        while not target.exists() and time.monotonic() < deadline:
            time.sleep(0.1)
        sheet = openpyxl.load_workbook(target).worksheets[0]
        rows = [["" if c.value is None else c.value for c in row] for row in sheet.iter_rows()]
        expected = self.cli_rows("title-and-notes.csv")
        self.assertEqual([r + [""] * (len(expected[0]) - len(r)) for r in rows], expected)
        self.assertEqual(sheet.freeze_panes, "A2")
        self.assertTrue(all(c.font.b for c in sheet[1]))


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1] + sys.argv[3:], verbosity=2)
