#!/usr/bin/python3
"""The web page in a real browser: Debian's Chromium, headless, driven by Selenium,
the page served by a static server on this machine.

    /usr/bin/python3 browser_test.py SITE ANSWERS_TSV [TEST ...]

SITE is the folder the WebAssembly build lays out (build-web/site); ANSWERS_TSV the
pinned answers, whose rows the page's answers must equal.
"""

import base64
import csv
import json
import pathlib
import re
import subprocess
import sys
import tempfile
import unittest
import urllib.parse

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

from web_support import Server, chromium, close

SITE = pathlib.Path(sys.argv[1]).resolve()
ANSWERS = pathlib.Path(sys.argv[2]).resolve()
AXE = pathlib.Path(__file__).resolve().parent / "node_modules" / "axe-core" / "axe.min.js"
PHONE = {"width": 360, "height": 740, "deviceScaleFactor": 2, "mobile": True}


def pinned_answers():
    """(process, material 1, material 2) → (outcome, [three texts])."""
    with ANSWERS.open(encoding="utf-8", newline="") as f:
        rows = list(csv.reader(f, delimiter="\t", quoting=csv.QUOTE_NONE))
    return {tuple(r[0:3]): (r[3], r[4:7]) for r in rows[1:]}


class PageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.answers = pinned_answers()
        cls.server = Server(SITE)
        cls.driver = chromium()
        cls.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", PHONE)

    @classmethod
    def tearDownClass(cls):
        close(cls.driver)
        cls.server.stop()

    def setUp(self):
        self.driver.get_log("browser")  # what earlier tests left
        self.driver.get_log("performance")

    def tearDown(self):
        errors = [e for e in self.driver.get_log("browser") if e["level"] == "SEVERE"]
        self.assertEqual(errors, [], "the console shows errors")
        requests = []
        for entry in self.driver.get_log("performance"):
            message = json.loads(entry["message"])["message"]
            if message["method"] == "Network.requestWillBeSent":
                requests.append(message["params"]["request"]["url"])
        outside = [u for u in requests
                   if not u.startswith(self.server.origin + "/") and not u.startswith("data:")]
        self.assertEqual(outside, [], "requests left the page's origin")

    def open(self, fragment=""):
        """The page at its address with `fragment`, once its answers are on screen."""
        self.driver.get(f"{self.server.origin}/index.html{fragment}")
        self.driver.refresh()  # hashes alone do not reload; a fresh page every time
        WebDriverWait(self.driver, 20).until(
            lambda d: d.execute_script(
                "return document.querySelectorAll('#groups input').length === 43 &&"
                " document.querySelector('#answer-list').children.length > 0"))

    def box(self, designation):
        """The material's box, scrolled to the middle of the screen as a thumb would
        have it: on a phone the choice bar stands over the foot of the screen."""
        for label in self.driver.find_elements(By.CSS_SELECTOR, "#groups label"):
            if label.text == designation:
                box = self.driver.find_element(By.ID, label.get_attribute("for"))
                self.driver.execute_script("arguments[0].scrollIntoView({block: 'center'})", box)
                return box
        self.fail(f"no box for {designation}")

    def ticked(self):
        return self.driver.execute_script(
            "return [...document.querySelectorAll('#groups input:checked')]"
            ".map(b => b.nextElementSibling.textContent)")

    def shown_answers(self):
        """The answers as rendered: innerText keeps a run of spaces only where it shows."""
        return self.driver.execute_script(
            "return [...document.querySelectorAll('#answer-list .answer')].map(a => ({"
            " process: a.dataset.process, outcome: a.dataset.outcome,"
            " texts: [...a.querySelectorAll('.text')].map(p => p.innerText),"
            " none: a.querySelector('.none')?.textContent ?? ''}))")

    def table(self, process, material1, material2=""):
        """The pinned answer; the table names a pair in catalogue order."""
        return (self.answers.get((process, material1, material2))
                or self.answers[(process, material2, material1)])

    def assert_answers_are_the_tables(self, material1, material2=""):
        shown = self.shown_answers()
        self.assertEqual([a["process"] for a in shown], ["smaw", "mag", "gtaw", "saw"])
        for answer in shown:
            key = (answer["process"], material1, material2)
            outcome, texts = self.table(*key)
            self.assertEqual(answer["outcome"], outcome, key)
            if outcome == "answer":
                self.assertEqual(answer["texts"], texts, key)
            else:
                self.assertEqual(answer["texts"], [], key)
                self.assertNotEqual(answer["none"], "", key)

    def test_the_materials_in_their_groups(self):
        self.open()
        legends = self.driver.execute_script(
            "return [...document.querySelectorAll('#groups legend')].map(l => l.textContent)")
        self.assertEqual(len(legends), 14)
        labels = [l.text for l in self.driver.find_elements(By.CSS_SELECTOR, "#groups label")]
        singles = [k[1] for k in self.answers if k[0] == "smaw" and k[1] and not k[2]]
        self.assertEqual(sorted(labels), sorted(singles))
        self.assertEqual(len(set(labels)), 43)

    def test_every_material_and_a_sample_of_pairs_answer_as_the_table(self):
        self.open()
        singles = [k[1] for k in self.answers if k[0] == "smaw" and k[1] and not k[2]]
        for material in singles:
            self.box(material).click()  # a tap
            self.assert_answers_are_the_tables(material)
            self.box(material).click()
        pairs = [k[1:] for k in self.answers if k[0] == "smaw" and k[2]]
        for first, second in pairs[::31]:
            self.box(first).click()
            self.box(second).click()
            self.assertEqual(sorted(self.ticked()), sorted([first, second]))
            self.assert_answers_are_the_tables(first, second)
            self.driver.find_element(By.ID, "clear").click()
            self.assertEqual(self.ticked(), [])

    def test_a_third_material_is_refused(self):
        self.open("#16MnR&20g")
        self.box("40Cr").click()
        notice = self.driver.find_element(By.ID, "notice")
        self.assertTrue(notice.is_displayed())
        self.assertIn("选择的材料不能超过两种", notice.text)
        self.assertEqual(sorted(self.ticked()), ["16MnR", "20g"])
        self.assert_answers_are_the_tables("16MnR", "20g")

    def test_the_search_field_finds_names_as_velmora_cli_does(self):
        self.open()
        search = self.driver.find_element(By.ID, "search")
        search.send_keys("３１６ｌ", Keys.ENTER)
        self.assertEqual(self.ticked(), ["00Cr17Ni14Mo2(316L)"])
        search.send_keys("c-276")
        visible = self.driver.execute_script(
            "return [...document.querySelectorAll('#groups .material')]"
            ".filter(m => !m.hidden).map(m => m.textContent)")
        self.assertEqual(visible, ["C-276(UNS N10276)"])
        search.send_keys(Keys.ENTER)
        self.assertEqual(sorted(self.ticked()), ["00Cr17Ni14Mo2(316L)", "C-276(UNS N10276)"])
        # A note in brackets names nothing: offered, not taken.
        search.send_keys("f", Keys.ENTER)
        self.assertIn("Q235-A(F)", self.driver.find_element(By.ID, "search-result").text)
        self.assertEqual(len(self.ticked()), 2)

    def test_a_link_opens_its_answer_and_back_and_forward_walk_the_selections(self):
        link = "#" + "&".join(urllib.parse.quote(m, safe="") for m in ["16MnR", "Q235-B,C"])
        self.open(link)
        self.assertEqual(sorted(self.ticked()), ["16MnR", "Q235-B,C"])
        self.assert_answers_are_the_tables("16MnR", "Q235-B,C")
        self.assertTrue(self.driver.find_element(By.ID, "link").get_attribute("href").endswith(link))
        self.box("Q235-B,C").click()
        self.box("40Cr").click()
        self.assertTrue(self.driver.current_url.endswith("#16MnR&40Cr"))
        self.driver.back()
        self.assertEqual(self.ticked(), ["16MnR"])
        self.driver.back()
        self.assertEqual(sorted(self.ticked()), ["16MnR", "Q235-B,C"])
        self.driver.forward()
        self.assertEqual(self.ticked(), ["16MnR"])

    def test_names_of_todays_drawings_are_read_and_said(self):
        self.open("#Q345R&S30408")
        self.assertEqual(sorted(self.ticked()), ["0Cr18Ni9(304)", "16MnR"])
        chosen = self.driver.find_element(By.ID, "chosen").text
        self.assertIn("Q345R 按 GB/T 713-2008 及以后版本 即 16MnR", chosen)
        self.assertIn("S30408 按 GB/T 20878-2007 即 0Cr18Ni9(304)", chosen)
        self.open()
        search = self.driver.find_element(By.ID, "search")
        search.send_keys("06Cr19")
        visible = self.driver.execute_script(
            "return [...document.querySelectorAll('#groups .material')]"
            ".filter(m => !m.hidden).map(m => m.textContent)")
        self.assertEqual(visible, ["0Cr18Ni9(304)", "0Cr19Ni13Mo3(317)"])
        search.send_keys("Ni10", Keys.ENTER)
        self.assertEqual(self.ticked(), ["0Cr18Ni9(304)"])
        self.assertIn("06Cr19Ni10 按 GB/T 20878-2007 即 0Cr18Ni9(304)",
                      self.driver.find_element(By.ID, "chosen").text)
        search.send_keys("Q235", Keys.ENTER)
        self.assertIn("“Q235”不能作为目录中的材料",
                      self.driver.find_element(By.ID, "search-result").text)
        self.assertEqual(self.ticked(), ["0Cr18Ni9(304)"])

    def test_a_wrong_link_says_so_and_chooses_nothing(self):
        for fragment in ("#16MnR&nothing", "#16MnR&20g&40Cr", "#16MnR&%E7%AE", "#%",
                         "#Q235&16MnR"):
            with self.subTest(fragment=fragment):
                self.open(fragment)
                problem = self.driver.find_element(By.ID, "problem")
                self.assertTrue(problem.is_displayed())
                self.assertIn("未选择任何材料", problem.text)
                self.assertEqual(self.ticked(), [])

    def test_copy_puts_the_answer_as_the_results_window_copies_it(self):
        self.driver.execute_cdp_cmd("Browser.grantPermissions", {
            "origin": self.server.origin,
            "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
        self.open("#16MnR&Q235-B%2CC")
        answer = self.driver.find_element(By.CSS_SELECTOR, ".answer[data-process='gtaw']")
        answer.find_element(By.CSS_SELECTOR, "button.copy").click()
        copied = self.driver.execute_async_script(
            "const done = arguments[0]; navigator.clipboard.readText().then(done, e => done(String(e)))")
        texts = self.table("gtaw", "16MnR", "Q235-B,C")[1]
        caption = answer.find_element(By.TAG_NAME, "h3").text
        self.assertEqual(copied, "\n".join(["16MnR    Q235-B,C", caption, *texts]))

    def test_a_phone_never_scrolls_sideways(self):
        self.open("#Inconel625(UNS%20N06625)&Incoloy800(UNS%20N08800)")
        width = self.driver.execute_script("return document.documentElement.scrollWidth")
        self.assertLessEqual(width, PHONE["width"])

    def test_no_accessibility_violations(self):
        if not AXE.exists():
            self.fail(f"{AXE} is missing: npm ci in tests/web installs it")
        self.open("#16MnR&Q235-B%2CC")
        self.driver.execute_script(AXE.read_text(encoding="utf-8"))
        result = self.driver.execute_async_script(
            "const done = arguments[0]; axe.run(document).then(r => done(r.violations.map("
            "v => v.id + ': ' + v.nodes.map(n => n.target.join(' ')).join(', '))), e => done([String(e)]))")
        self.assertEqual(result, [])

    def test_the_answer_sheet_prints_on_one_a4_page(self):
        self.open("#16MnR&Q235-B%2CC")
        WebDriverWait(self.driver, 20).until(
            lambda d: d.find_element(By.ID, "fingerprint").text.isalnum())
        pdf = base64.b64decode(self.driver.execute_cdp_cmd(
            "Page.printToPDF", {"preferCSSPageSize": True, "printBackground": False})["data"])
        with tempfile.NamedTemporaryFile(suffix=".pdf") as f:
            f.write(pdf)
            f.flush()
            info = subprocess.run(["pdfinfo", f.name], capture_output=True, text=True, check=True).stdout
            text = subprocess.run(["pdftotext", "-layout", f.name, "-"], capture_output=True,
                                  text=True, check=True).stdout
        self.assertRegex(info, r"Pages:\s+1\n")
        self.assertRegex(info, r"Page size:.*\(A4\)")
        fingerprint = self.driver.find_element(By.ID, "fingerprint").text
        for wanted in ("焊材选用单", "16MnR", "Q235-B,C", "焊条电弧焊(SMAW)", "埋弧焊(SAW)",
                       "作者概不负责", fingerprint, *self.table("smaw", "16MnR", "Q235-B,C")[1]):
            # pdftotext lays the words out anew: compare without the spaces.
            self.assertIn(re.sub(r"\s+", "", wanted), re.sub(r"\s+", "", text))

    def test_the_whole_flow_works_by_keyboard(self):
        self.open()
        search = self.driver.find_element(By.ID, "search")
        search.click()
        search.send_keys(Keys.TAB, Keys.SPACE)  # the first box
        first = self.ticked()
        self.assertEqual(len(first), 1)
        self.assert_answers_are_the_tables(first[0])
        answers = self.driver.find_element(By.CSS_SELECTOR, "#answer-list .answer")
        self.assertTrue(self.driver.execute_script(
            "return arguments[0].closest('[aria-live]') !== null", answers),
            "new answers are not announced")
        self.driver.find_element(By.ID, "clear").send_keys(Keys.ENTER)
        self.assertEqual(self.ticked(), [])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1] + sys.argv[3:], verbosity=2)
