#!/usr/bin/python3
"""The page on its own, each test with a server and a browser of its own, so that none
depends on what another left behind: answering with the server gone, a new version
taking over, a browser without WebAssembly, and the page's clock.

    /usr/bin/python3 offline_test.py SITE ANSWERS_TSV [TEST ...]
"""

import csv
import pathlib
import shutil
import sys
import tempfile
import threading
import unittest

from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

from web_support import Server, chromium, close

SITE = pathlib.Path(sys.argv[1]).resolve()
ANSWERS = pathlib.Path(sys.argv[2]).resolve()


def pinned_texts(process, material1, material2):
    """The three texts the pinned answers give, the pair in either order."""
    with ANSWERS.open(encoding="utf-8", newline="") as f:
        for row in csv.reader(f, delimiter="\t", quoting=csv.QUOTE_NONE):
            if row[0] == process and {row[1], row[2]} == {material1, material2}:
                return row[4:7]
    raise LookupError((process, material1, material2))


def answers_shown(driver):
    WebDriverWait(driver, 20).until(lambda d: d.execute_script(
        "return document.querySelectorAll('#answer-list .answer').length === 4"))
    return driver.execute_script(
        "return [...document.querySelectorAll('#answer-list .answer[data-process=smaw] .text')]"
        ".map(p => p.innerText)")


class OfflineTest(unittest.TestCase):
    def test_with_the_server_stopped_a_reload_still_answers(self):
        server = Server(SITE)
        driver = chromium()
        try:
            driver.get(f"{server.origin}/index.html#16MnR")
            WebDriverWait(driver, 20).until(
                lambda d: d.execute_script("return navigator.serviceWorker.controller !== null"))
            server.stop()
            driver.get(f"{server.origin}/#40Cr&16MnR")
            driver.refresh()
            self.assertEqual(answers_shown(driver), pinned_texts("smaw", "40Cr", "16MnR"))
        finally:
            close(driver)
            server.stop()


    def test_the_page_keeps_to_itself_and_installs_to_a_home_screen(self):
        server = Server(SITE)
        driver = chromium()
        try:
            driver.get(f"{server.origin}/index.html#16MnR")
            answers_shown(driver)
            # The Content-Security-Policy stops a request to another origin (the same
            # machine by another name and port) before it leaves.
            blocked = driver.execute_async_script(
                "const done = arguments[0];"
                "document.addEventListener('securitypolicyviolation', e => done(e.blockedURI));"
                "fetch('http://localhost:9/').catch(() => {});"
                "setTimeout(() => done(''), 5000);")
            self.assertTrue(blocked.startswith("http://localhost:9"), blocked)
            stored = driver.execute_async_script(
                "const done = arguments[0];"
                "Promise.all([caches.keys(), indexedDB.databases()]).then(([c, d]) => done({"
                " cookie: document.cookie, local: localStorage.length, session: sessionStorage.length,"
                " databases: d.length, caches: c}))")
            self.assertEqual({k: stored[k] for k in ("cookie", "local", "session", "databases")},
                             {"cookie": "", "local": 0, "session": 0, "databases": 0})
            self.assertTrue(all(c.startswith("velmora-") for c in stored["caches"]), stored["caches"])
            errors = driver.execute_cdp_cmd("Page.getInstallabilityErrors", {})
            self.assertEqual(errors.get("installabilityErrors", []), [])
            manifest = driver.execute_cdp_cmd("Page.getAppManifest", {})
            self.assertEqual(manifest.get("errors", []), [])
            self.assertIn('"lang": "zh-CN"', manifest["data"])
        finally:
            close(driver)
            server.stop()


class NewVersionTest(unittest.TestCase):
    def test_a_new_version_replaces_the_old_cache_whole(self):
        with tempfile.TemporaryDirectory() as folder:
            site = pathlib.Path(folder) / "site"
            shutil.copytree(SITE, site)
            server = Server(site)
            driver = chromium()
            try:
                page = f"{server.origin}/index.html#16MnR"
                driver.get(page)
                WebDriverWait(driver, 20).until(
                    lambda d: d.execute_script("return navigator.serviceWorker.controller !== null"))
                old = driver.execute_async_script("caches.keys().then(arguments[0])")
                self.assertEqual(len(old), 1)
                # The next version: a changed file, and so a new cache name.
                with (site / "style.css").open("a", encoding="utf-8") as css:
                    css.write("\n/* the next version */\n")
                worker = (site / "sw.js").read_text(encoding="utf-8")
                (site / "sw.js").write_text(worker.replace(old[0], "velmora-next"), encoding="utf-8")
                driver.execute_async_script(
                    "navigator.serviceWorker.getRegistration().then(r => r.update()).then(arguments[0])")
                # update() settles once the new worker starts installing; it waits, installed,
                # only when its copies of every file are in.
                WebDriverWait(driver, 20).until(lambda d: d.execute_async_script(
                    "navigator.serviceWorker.getRegistration()"
                    ".then(r => arguments[0](r.waiting !== null))"))
                caches = "caches.keys().then(k => arguments[0](k.sort()))"
                self.assertEqual(driver.execute_async_script(caches), sorted([old[0], "velmora-next"]))
                # While a page of the old version is open, it keeps the old files.
                self.assertNotIn("the next version", driver.execute_async_script(
                    "fetch('style.css').then(r => r.text()).then(arguments[0])"))

                def reopened_on_the_next_version(d):
                    # With no page of the old version open, the next one takes over and the
                    # old cache goes. Leaving the page only starts that, so the reopened page
                    # may still be the old version's; leaving it again gives another chance.
                    d.get("about:blank")
                    d.get(page)
                    return d.execute_async_script(caches) == ["velmora-next"]

                WebDriverWait(driver, 30, poll_frequency=1).until(reopened_on_the_next_version)
                self.assertIn("the next version", driver.execute_async_script(
                    "fetch('style.css').then(r => r.text()).then(arguments[0])"))
            finally:
                close(driver)
                server.stop()


class WithoutWebAssemblyTest(unittest.TestCase):
    def test_a_browser_without_webassembly_is_told(self):
        server = Server(SITE)
        driver = chromium()
        try:
            # As a browser that has none: WebAssembly is gone before the page's scripts run.
            driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                   {"source": "delete globalThis.WebAssembly;"})
            driver.get(f"{server.origin}/index.html")
            WebDriverWait(driver, 20).until(
                lambda d: d.find_element(By.ID, "unsupported").is_displayed())
            self.assertIn("WebAssembly", driver.find_element(By.ID, "unsupported").text)
        finally:
            close(driver)
            server.stop()


class EarlyTickTest(unittest.TestCase):
    def test_a_tick_made_before_the_core_has_loaded_counts(self):
        """The boxes are in the page before the core: one ticked while the core is still
        on its way is taken up once it is there."""
        release = threading.Event()
        server = Server(SITE, held={"/velmora.wasm": release})
        driver = chromium()
        try:
            driver.get(f"{server.origin}/index.html")
            label = driver.find_element(By.CSS_SELECTOR, "#groups .material label")
            driver.execute_script("document.getElementById(arguments[0]).click()",
                                  label.get_attribute("for"))
            release.set()
            WebDriverWait(driver, 20).until(
                lambda d: d.find_element(By.ID, "chosen").text == label.text)
            self.assertEqual(len(answers_shown(driver)), 3)
        finally:
            release.set()
            close(driver)
            server.stop()


class ClockTest(unittest.TestCase):
    def test_the_foot_and_the_sheet_give_the_moment_of_the_clock(self):
        """The browser's clock set to a morning whose day and month differ, and which
        both have one digit: the foot and the printed sheet give it as the desktop does."""
        server = Server(SITE)
        driver = chromium()
        try:
            moment = "new Date(2026, 0, 9, 8, 5, 0).getTime()"
            driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": (
                f"const fixed = {moment}; const RealDate = Date;"
                "globalThis.Date = class extends RealDate {"
                "  constructor(...a) { super(...(a.length ? a : [fixed])); }"
                "  static now() { return fixed; } };")})
            driver.get(f"{server.origin}/index.html#16MnR")
            answers_shown(driver)
            self.assertEqual(driver.find_element(By.ID, "today").text, "2026-01-09 08:05")
            driver.execute_script("window.dispatchEvent(new Event('beforeprint'))")
            heading = driver.execute_script(
                "return [...document.querySelectorAll('#sheet > p')].map(p => p.textContent)")
            self.assertEqual(heading[:2], ["日期：2026-01-09 08:05", "材料：16MnR"])
        finally:
            close(driver)
            server.stop()


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1] + sys.argv[3:], verbosity=2)
