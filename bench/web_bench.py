#!/usr/bin/python3
"""The web page's first visit, in headless Chromium on a phone-sized screen:

  transfer   every file the first visit downloads in full (the page's own requests and
             the service worker's copies of every file, which the server answers "not
             modified" where the page has just fetched the file), its bytes and the same
             gzip-compressed (level 6, as web servers commonly send), against a target
             of 150 KB;
  start-up   from navigation to the 43 materials on screen (the paint of the last
             one's name, by Element Timing), with the CPU slowed 4 times, median of RUNS
             cold visits (cache, storage and service worker cleared each time), against a
             target of 200 ms; beside it, when the core has loaded and the boxes answer
             (the page's mark "velmora-materials");
  networks   a first visit over slow 3G (2 s round trip, 50 KB/s) and fast 3G (563 ms,
             180 KB/s), until the page answers (its mark "velmora-materials": the core
             loaded and the boxes taking ticks), median of 3 cold visits each;
  joint list a workbook of 1,000 joints (made by openpyxl) chosen in the page until its
             answers stand in the table, with the CPU slowed 4 times, median of RUNS,
             against a target of 1 s.

    /usr/bin/python3 bench/web_bench.py SITE [RUNS]
"""

import gzip
import tempfile
import pathlib
import statistics
import sys
import urllib.parse

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests" / "web"))
from web_support import Server, chromium, close  # noqa: E402

from selenium.webdriver.support.ui import WebDriverWait  # noqa: E402

SITE = pathlib.Path(sys.argv[1]).resolve()
RUNS = int(sys.argv[2]) if len(sys.argv) > 2 else 11
PHONE = {"width": 360, "height": 740, "deviceScaleFactor": 2, "mobile": True}


def forget(driver, origin):
    driver.execute_cdp_cmd("Network.clearBrowserCache", {})
    driver.execute_cdp_cmd("Storage.clearDataForOrigin",
                           {"origin": origin, "storageTypes": "all"})


def answering_at(driver, page, timeout):
    """A cold visit to the page: milliseconds from navigation until it answers (its
    mark "velmora-materials")."""
    forget(driver, urllib.parse.urljoin(page, "/").rstrip("/"))
    driver.get("about:blank")
    driver.get(page)
    WebDriverWait(driver, timeout).until(lambda d: d.execute_script(
        "return performance.getEntriesByName('velmora-materials').length > 0"))
    return driver.execute_script(
        "return performance.getEntriesByName('velmora-materials')[0].startTime")


def joint_list(path):
    """1,000 joints, a joint number and two materials each, as openpyxl writes them."""
    import openpyxl
    names = ["16MnR", "Q235B", "20g", "06Cr19Ni10", "316L", "15CrMo", "40Cr", "S30408"]
    book = openpyxl.Workbook()
    sheet = book.active
    sheet.append(["焊缝编号", "母材1", "母材2", "备注"])
    for i in range(1000):
        sheet.append([f"W-{i + 1:04d}", names[i % len(names)], names[(i // 8) % len(names)], "说明"])
    book.save(path)


def main():
    server = Server(SITE)
    driver = chromium()
    try:
        driver.execute_cdp_cmd("Network.enable", {})
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", PHONE)
        page = f"{server.origin}/index.html"

        forget(driver, server.origin)
        server.served.clear()
        driver.get(page)
        WebDriverWait(driver, 30).until(lambda d: d.execute_script(
            "return navigator.serviceWorker.controller !== null ||"
            " navigator.serviceWorker.ready.then(() => true)"))
        WebDriverWait(driver, 30).until(lambda d: d.execute_script(
            "return caches.keys().then(k => k.length > 0)"))
        # What the server sent: the page's requests and the service worker's, each in
        # full (200) or "not modified" (304).
        served = list(server.served)
        full = [urllib.parse.urlparse(p).path.lstrip("/") or "index.html"
                for p, status in served if status == 200]
        raw = packed = 0
        for path in full:
            data = (SITE / path).read_bytes()
            raw += len(data)
            packed += len(gzip.compress(data, compresslevel=6))
        print(f"web first visit: {len(served)} responses, {len(full)} in full, "
              f"{raw / 1024:.1f} KB, {packed / 1024:.1f} KB gzip (target ≤ 150 KB)")

        for name, latency, throughput in (("slow 3G", 2000, 50), ("fast 3G", 563, 180)):
            driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
                "offline": False, "latency": latency,
                "downloadThroughput": throughput * 1024, "uploadThroughput": throughput * 1024})
            answering = [answering_at(driver, page, 120) for _ in range(3)]
            print(f"web first visit over {name} ({latency} ms, {throughput} KB/s): answering at "
                  f"median {statistics.median(answering) / 1000:.1f} s "
                  f"({min(answering) / 1000:.1f}–{max(answering) / 1000:.1f})")
        driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
            "offline": False, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})

        driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": 4})
        shown, ready = [], []
        for _ in range(RUNS):
            ready.append(answering_at(driver, page, 30))
            shown.append(driver.execute_async_script(
                "const done = arguments[0];"
                "new PerformanceObserver(list => done(list.getEntries()[0].renderTime))"
                ".observe({type: 'element', buffered: true})"))
        print(f"web start-up, 4× CPU slowdown, 360×740, {RUNS} cold visits: the 43 materials "
              f"on screen at median {statistics.median(shown):.0f} ms (min {min(shown):.0f}, "
              f"max {max(shown):.0f}; target ≤ 200 ms); answering at median "
              f"{statistics.median(ready):.0f} ms")

        with tempfile.TemporaryDirectory() as folder:
            workbook = pathlib.Path(folder) / "joints.xlsx"
            joint_list(workbook)
            answered = []
            for _ in range(RUNS):
                driver.get(page)
                WebDriverWait(driver, 30).until(lambda d: d.execute_script(
                    "return document.querySelectorAll('#list-process option').length === 5"))
                driver.find_element("id", "list-file").send_keys(str(workbook))
                WebDriverWait(driver, 60).until(lambda d: d.execute_script(
                    "return performance.getEntriesByName('velmora-list-answered').length > 0"))
                answered.append(driver.execute_script(
                    "return performance.getEntriesByName('velmora-list-answered')[0].startTime"
                    " - performance.getEntriesByName('velmora-list-chosen')[0].startTime"))
        print(f"web joint list, 4× CPU slowdown: 1,000 joints from .xlsx to the table at median "
              f"{statistics.median(answered):.0f} ms (min {min(answered):.0f}, "
              f"max {max(answered):.0f}; target < 1000 ms)")
    finally:
        close(driver)
        server.stop()


main()
