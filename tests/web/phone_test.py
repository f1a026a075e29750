#!/usr/bin/python3
"""The page in a welder's hand: Debian's Chromium as a 360 × 740 phone with a touch
screen. After any tap what changed is on the first screen, every material is a
target a thumb can hit, and nothing is refused out of sight.

    /usr/bin/python3 phone_test.py SITE ANSWERS_TSV
"""

import csv
import pathlib
import sys
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

IN_VIEW = ("const r = arguments[0].getBoundingClientRect();"
           "return r.height > 0 && r.top >= 0 && r.bottom <= innerHeight"
           " && r.left >= 0 && r.right <= innerWidth;")


class PhoneTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = Server(SITE)
        cls.driver = chromium()
        cls.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", PHONE)
        cls.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 5})

    @classmethod
    def tearDownClass(cls):
        close(cls.driver)
        cls.server.stop()

    def setUp(self):
        self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": []})

    def open(self, fragment=""):
        self.driver.get(f"{self.server.origin}/index.html{fragment}")
        self.driver.refresh()
        WebDriverWait(self.driver, 20).until(lambda d: d.execute_script(
            "return document.querySelectorAll('#groups input').length === 43 &&"
            " document.querySelector('#answer-list').children.length > 0"))

    def labels(self):
        return self.driver.find_elements(By.CSS_SELECTOR, "#groups label")

    def tap(self, label):
        """A thumb on the middle of the material's row, wherever the page has it."""
        self.driver.execute_script("arguments[0].scrollIntoView({block: 'center'})", label)
        label.click()

    def in_view(self, element):
        return self.driver.execute_script(IN_VIEW, element)

    def ticked(self):
        return self.driver.execute_script(
            "return [...document.querySelectorAll('#groups input:checked')]"
            ".map(b => b.nextElementSibling.textContent)")

    def test_after_a_tap_the_choice_and_the_way_to_its_answers_are_in_view(self):
        self.open()
        for label in self.labels()[::6]:
            with self.subTest(material=label.text):
                self.tap(label)
                slots = self.driver.find_elements(By.CSS_SELECTOR, "#chosen .slot")
                self.assertEqual([s.text for s in slots], [label.get_attribute("textContent")])
                self.assertTrue(self.in_view(slots[0]))
                way = self.driver.find_element(By.ID, "to-answers")
                self.assertTrue(self.in_view(way))
                self.assertRegex(way.text, r"^\d 种焊接方法有答案")
                self.tap(label)
        # The way counts only the processes that answer: SAW has none for 1Cr23Ni13(-).
        self.open("#1Cr23Ni13(-)")
        self.assertEqual(self.driver.find_element(By.ID, "to-answers").text, "3 种焊接方法有答案，看答案")

    def test_a_refused_third_material_is_said_in_view(self):
        self.open("#16MnR&20g")
        self.tap(self.labels()[0])  # the top of the catalogue, far from the choice
        notice = self.driver.find_element(By.ID, "notice")
        self.assertTrue(self.in_view(notice))
        self.assertIn("选择的材料不能超过两种", notice.text)
        self.assertIsNotNone(notice.get_attribute("role"))
        twenty = next(label for label in self.labels() if label.text == "20g")
        self.tap(twenty)  # the next tap that succeeds: an untick
        self.assertFalse(notice.is_displayed())

    def test_every_material_is_a_thumb_sized_target_across_its_row(self):
        self.open()
        targets = self.driver.execute_script(
            "return [...document.querySelectorAll('#groups .material')].map(row => {"
            " const r = row.getBoundingClientRect(), l = row.querySelector('label').getBoundingClientRect();"
            " return [row.textContent, l.width, l.height, l.left - r.left, r.right - l.right]; })")
        self.assertEqual(len(targets), 43)
        for name, width, height, left, right in targets:
            self.assertGreaterEqual(min(width, height), 44, name)
            self.assertLessEqual(max(left, right), 1, f"{name}: the label does not span its row")

    def test_designations_break_only_before_their_bracket_at_double_text_size(self):
        self.open()
        self.driver.execute_script("document.documentElement.style.fontSize = '200%'")
        self.assertTrue(self.driver.execute_script("return document.documentElement.scrollWidth <= innerWidth"),
                        "the page scrolls sideways at double text size")
        # In a column narrower than any designation, every label breaks where it may.
        breaks = self.driver.execute_script(
            "document.querySelector('#groups').style.width = '1px';"
            "return [...document.querySelectorAll('#groups label')].map(label => {"
            "  const text = label.textContent, range = document.createRange(), at = [];"
            "  const walker = document.createTreeWalker(label, NodeFilter.SHOW_TEXT);"
            "  let top = null, i = 0;"
            "  for (let node = walker.nextNode(); node; node = walker.nextNode()) {"
            "    for (let k = 0; k < node.length; k += 1, i += 1) {"
            "      range.setStart(node, k); range.setEnd(node, k + 1);"
            "      const y = range.getClientRects()[0]?.top;"
            "      if (top !== null && y > top + 2) at.push(i);"
            "      if (y !== undefined) top = y; } }"
            "  return [text, at]; })")
        self.assertEqual(len(breaks), 43)
        for text, at in breaks:
            with self.subTest(material=text):
                self.assertEqual(at, [text.index("(")] if text.find("(") > 0 else [])

    def test_the_closest_materials_are_buttons_and_the_catalogue_stays(self):
        self.open()
        search = self.driver.find_element(By.ID, "search")
        search.send_keys("316x")
        shown = self.driver.execute_script(
            "return [...document.querySelectorAll('#groups .material')].filter(m => !m.hidden).length")
        self.assertEqual(shown, 43)
        buttons = self.driver.find_elements(By.CSS_SELECTOR, "#suggestions button")
        self.assertEqual([b.text for b in buttons][:1], ["0Cr17Ni12Mo2(316)"])
        buttons[0].click()
        self.assertEqual(self.ticked(), ["0Cr17Ni12Mo2(316)"])
        self.assertEqual(search.get_attribute("value"), "")

    def test_enter_on_a_material_ticks_it(self):
        self.open()
        box = self.driver.find_element(By.CSS_SELECTOR, "#groups input")
        self.driver.execute_script("arguments[0].focus()", box)
        box.send_keys(Keys.ENTER)
        self.assertEqual(len(self.ticked()), 1)

    def test_links_as_people_write_them(self):
        for fragment, chosen in (("#16MnR&&304", ["0Cr18Ni9(304)", "16MnR"]),
                                 ("#16MnR&", ["16MnR"]),
                                 ("#%2016MnR%20&304%20", ["0Cr18Ni9(304)", "16MnR"]),
                                 ("#16MnR&16MnR", ["16MnR"])):
            with self.subTest(fragment=fragment):
                self.open(fragment)
                self.assertEqual(sorted(self.ticked()), chosen)
                self.assertFalse(self.driver.find_element(By.ID, "problem").is_displayed())

    def test_the_link_is_shared_or_copied_and_said(self):
        self.driver.execute_cdp_cmd("Browser.grantPermissions", {
            "origin": self.server.origin, "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
        self.open("#16MnR")
        self.driver.execute_script("delete Navigator.prototype.share")  # as where there is none
        self.driver.find_element(By.ID, "link").click()
        WebDriverWait(self.driver, 10).until(
            lambda d: d.find_element(By.ID, "notice").text == "已复制本答案的链接")
        copied = self.driver.execute_async_script(
            "navigator.clipboard.readText().then(arguments[0])")
        self.assertTrue(copied.endswith("#16MnR"), copied)

    def test_a_dash_answer_is_said_plainly_and_not_offered_for_copying(self):
        with ANSWERS.open(encoding="utf-8", newline="") as f:
            rows = list(csv.reader(f, delimiter="\t", quoting=csv.QUOTE_NONE))
        dash = next(r for r in rows[1:] if r[3] == "answer" and all(t.split("：", 1)[1] == "--" for t in r[4:7]))
        self.open("#" + "&".join(urllib.parse.quote(m, safe="") for m in dash[1:3] if m))
        answer = self.driver.find_element(By.CSS_SELECTOR, f".answer[data-process='{dash[0]}']")
        self.assertEqual([p.text for p in answer.find_elements(By.CSS_SELECTOR, ".text")], dash[4:7])
        self.assertIn("不推荐", answer.find_element(By.CSS_SELECTOR, ".dash-note").text)
        self.assertEqual(answer.find_elements(By.CSS_SELECTOR, ".copy"), [])

    def test_printing_with_nothing_chosen_says_so(self):
        self.open()
        self.driver.execute_script("window.dispatchEvent(new Event('beforeprint'))")
        sheet = self.driver.execute_script("return document.getElementById('sheet').textContent")
        self.assertIn("未选择任何材料", sheet)
        self.assertNotIn("保护气体", sheet)
        self.assertTrue(self.driver.find_element(By.ID, "print").get_attribute("disabled"))
        hint = self.driver.find_element(By.CSS_SELECTOR, "#answer-list .hint")
        self.assertEqual(hint.text, "请先选择材料（一种或两种组合）")

    def test_the_dark_page_keeps_to_the_contrast_rules(self):
        self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia",
                                    {"features": [{"name": "prefers-color-scheme", "value": "dark"}]})
        self.open("#16MnR&Q235-B%2CC")
        background = self.driver.execute_script(
            "return getComputedStyle(document.documentElement).backgroundColor")
        self.assertEqual(background, "rgb(20, 24, 29)")
        self.driver.execute_script(AXE.read_text(encoding="utf-8"))
        result = self.driver.execute_async_script(
            "axe.run(document, {resultTypes: ['violations']}).then(r => arguments[0]("
            "r.violations.map(v => v.id + ': ' + v.nodes.map(n => n.target).join(' '))))")
        self.assertEqual(result, [])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1] + sys.argv[3:], verbosity=2)
