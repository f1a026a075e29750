"""The page served on this machine and Debian's Chromium to open it, for the browser
tests and the web benchmark."""

import functools
import http.server
import shutil
import tempfile
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {
        **http.server.SimpleHTTPRequestHandler.extensions_map,
        ".js": "text/javascript",
        ".wasm": "application/wasm",
        ".webmanifest": "application/manifest+json",
    }

    def log_message(self, *args):
        pass

    def log_request(self, code="-", size="-"):
        self.server.served.append((self.path, int(code)))

    def do_GET(self):
        held = self.server.held.get(self.path.split("?")[0])
        if held is not None:
            held.wait(30)
        super().do_GET()


class Server:
    """`site` on 127.0.0.1, a secure context for service workers. It can be stopped and
    started again on the same port. `held` maps a path to a threading.Event: the path is
    answered only once the event is set."""

    def __init__(self, site, held=None):
        self.site = site
        self.port = 0
        self.held = held or {}
        self.start()

    def start(self):
        handler = functools.partial(QuietHandler, directory=str(self.site))
        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", self.port), handler)
        self.httpd.served = []  # (path, status) of every response, for the benchmark
        self.httpd.held = self.held
        self.port = self.httpd.server_address[1]
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()

    @property
    def served(self):
        return self.httpd.served

    @property
    def origin(self):
        return f"http://127.0.0.1:{self.port}"


def chromium():
    """Headless Chromium with a profile of its own, logging the console and the network."""
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    # As root on a machine whose network is closed: no sandbox, and none of the
    # background connections that the closed network would refuse.
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                     "--no-first-run", "--disable-background-networking",
                     "--disable-component-update", "--disable-sync",
                     "--disable-dev-shm-usage"):
        options.add_argument(argument)
    profile = tempfile.mkdtemp(prefix="velmora-chromium-")
    options.add_argument(f"--user-data-dir={profile}")
    options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.profile = profile
    return driver


def close(driver):
    driver.quit()
    shutil.rmtree(driver.profile, ignore_errors=True)
