#!/usr/bin/python3
"""The README's pictures of the web page: on a phone, 360 × 740 CSS pixels at device
pixel ratio 2, 16MnR with Q235-B,C chosen, scrolled to the answers; and on a desk,
1100 × 760, a joint list chosen and answered (web-list.png beside OUT.png).

    /usr/bin/python3 tools/web/screenshot.py SITE OUT.png
"""

import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "tests" / "web"))
from web_support import Server, chromium, close  # noqa: E402

from selenium.webdriver.support.ui import WebDriverWait  # noqa: E402

site, out = pathlib.Path(sys.argv[1]).resolve(), pathlib.Path(sys.argv[2])
server = Server(site)
driver = chromium()
try:
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                           {"width": 360, "height": 740, "deviceScaleFactor": 2, "mobile": True})
    driver.get(f"{server.origin}/index.html#16MnR&Q235-B%2CC")
    WebDriverWait(driver, 20).until(lambda d: d.execute_script(
        "return document.querySelectorAll('#answer-list .answer').length === 4 &&"
        " /^[0-9a-f]{8}$/.test(document.getElementById('fingerprint').textContent)"))
    driver.execute_script("document.getElementById('chosen-bar').scrollIntoView()")
    shot = driver.execute_cdp_cmd("Page.captureScreenshot", {"format": "png"})["data"]
    out.write_bytes(__import__("base64").b64decode(shot))
    print(f"Wrote {out}")

    listed = pathlib.Path(__file__).resolve().parents[2] / "tests" / "workbook" / "lists" / "title-and-notes.csv"
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                           {"width": 1100, "height": 760, "deviceScaleFactor": 1, "mobile": False})
    driver.get(f"{server.origin}/index.html")
    WebDriverWait(driver, 20).until(lambda d: d.execute_script(
        "return document.querySelectorAll('#list-process option').length === 5"))
    driver.execute_script("document.getElementById('list-process').value = '0'")
    driver.find_element("id", "list-file").send_keys(str(listed))
    WebDriverWait(driver, 20).until(lambda d: d.execute_script(
        "return document.querySelector('#list-table tbody') !== null"))
    driver.execute_script("document.getElementById('lists').scrollIntoView()")
    shot = driver.execute_cdp_cmd("Page.captureScreenshot", {"format": "png"})["data"]
    desk = out.with_name("web-list.png")
    desk.write_bytes(__import__("base64").b64decode(shot))
    print(f"Wrote {desk}")
finally:
    close(driver)
    server.stop()
